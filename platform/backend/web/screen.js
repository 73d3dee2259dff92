// The page is the program's whole screen: its desktop is the page's viewport in device pixels, so the
// canvas shows the screen pixel for pixel, and full screen is what the program already has. (The browser's
// own full screen would need a child's tap the program never asked for.)
mergeInto(LibraryManager.library, {
  emscripten_get_screen_size: function(width, height) {
    var ratio = window.devicePixelRatio || 1;
    HEAP32[width >> 2] = Math.floor(window.innerWidth * ratio);
    HEAP32[height >> 2] = Math.floor(window.innerHeight * ratio);
  },
  emscripten_request_fullscreen_strategy: function() {
    return 0;  // EMSCRIPTEN_RESULT_SUCCESS
  },
});
