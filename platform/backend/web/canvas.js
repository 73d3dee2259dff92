// The canvas's side of a present: a rectangle of the window's surface, already in the canvas's byte order
// (SDL's browser surface is ABGR8888, bytes R, G, B, A) but with no alpha, copied into an image of the
// rectangle's size, opaque, and put where it belongs. Copying only what changed keeps a pencil move cheap on
// a large screen.
mergeInto(LibraryManager.library, {
  $dabCanvas: { context: null, image: null, pixels: null },
  dab_show_canvas_rect__deps: ['$dabCanvas'],
  dab_show_canvas_rect: function(pixels, pitch, x, y, width, height) {
    var canvas = Module['canvas'];
    // Opaque, and drawn straight to the screen as a drawing program's should be: the browser then shows the
    // rectangle without compositing the whole canvas again, a third of a pencil move's cost at 1920 × 1080.
    if (!dabCanvas.context || dabCanvas.context.canvas !== canvas)
      dabCanvas.context = canvas.getContext('2d', { alpha: false, desynchronized: true });
    var image = dabCanvas.image;
    if (!image || image.width !== width || image.height !== height) {
      image = dabCanvas.image = new ImageData(width, height);
      dabCanvas.pixels = new Uint32Array(image.data.buffer);
    }
    var to = dabCanvas.pixels, at = 0, stride = pitch >> 2;
    for (var row = 0, from = (pixels >> 2) + y * stride + x; row < height; row++, from += stride)
      for (var column = 0; column < width; column++) to[at++] = HEAPU32[from + column] | 0xff000000;
    dabCanvas.context.putImageData(image, x, y);
  },
});
