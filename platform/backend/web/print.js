// The browser's print dialog as the program's printer. A page's pixels become a canvas when it ends; when
// its job ends, the pages become images in an element shown only in print, and the dialog opens. The paper
// is the one of the browser's language; the page images keep a quarter inch clear all round, which printers
// without borderless printing cannot reach, and @page has no margin so the browser adds no header or footer.
mergeInto(LibraryManager.library, {
  $browserPrinting: {
    margin: 0.25,  // inches
    papers: {
      letter: { css: 'letter', width: 8.5, height: 11 },
      A4: { css: 'A4', width: 210 / 25.4, height: 297 / 25.4 },
    },
    // The countries that print on Letter.
    letterRegions: ['US', 'CA', 'MX', 'BZ', 'CL', 'CO', 'CR', 'GT', 'NI', 'PA', 'PH', 'PR', 'SV', 'VE'],
    // The paper for a language tag; a tag naming no country stands for its likeliest one ("en" for en-US).
    paperFor: function(language) {
      var region = '';
      try {
        region = new Intl.Locale(language).maximize().region || '';
      } catch (error) {
        // Not a language tag: A4, the paper of most of the world.
      }
      return browserPrinting.letterRegions.indexOf(region) >= 0 ? browserPrinting.papers.letter
                                                                : browserPrinting.papers.A4;
    },
    paper: null,      // the paper of the last page size asked for
    jobs: {},         // job → its ended pages: { canvas, width, height, dpi }
    shown: null,      // the print-only element and its style, with the pages' object URLs

    // The rules that print the element alone, on the paper, without the browser's margins.
    style: function(paper) {
      var style = document.createElement('style');
      style.textContent =
        '@page { size: ' + paper.css + ' portrait; margin: 0 }\n' +
        '@media screen { #dab-print { display: none } }\n' +
        '@media print {\n' +
        '  html, body { width: auto; height: auto; overflow: visible; background: #fff }\n' +
        '  body > :not(#dab-print) { display: none !important }\n' +
        '  #dab-print img { display: block; margin: ' + browserPrinting.margin + 'in auto 0 }\n' +
        '  #dab-print img + img { break-before: page }\n' +
        '}\n';
      return style;
    },
    // The pages as images at their size on paper, in an element of the page; resolves once they are decoded.
    show: function(pages, blobs) {
      browserPrinting.hide();
      var element = document.createElement('div');
      element.id = 'dab-print';
      var urls = blobs.map(function(blob, i) {
        var url = URL.createObjectURL(blob);
        var image = document.createElement('img');
        image.src = url;
        image.alt = '';
        image.style.width = pages[i].width / pages[i].dpi + 'in';
        image.style.height = pages[i].height / pages[i].dpi + 'in';
        element.appendChild(image);
        return url;
      });
      var style = browserPrinting.style(browserPrinting.paper || browserPrinting.papers.A4);
      document.head.appendChild(style);
      document.body.appendChild(element);
      browserPrinting.shown = { element: element, style: style, urls: urls };
      window.addEventListener('afterprint', browserPrinting.hide, { once: true });
      return Promise.all(Array.prototype.map.call(element.children, function(image) { return image.decode(); }));
    },
    // The dialog opens from a task of its own: it holds the page while it is open, and nothing of the
    // program may be waiting below it.
    print: function(pages) {
      Promise.all(pages.map(function(page) {
        return new Promise(function(done) { page.canvas.toBlob(done, 'image/png'); });
      })).then(function(blobs) {
        return browserPrinting.show(pages, blobs);
      }).then(function() {
        setTimeout(function() { window.print(); }, 0);
      });
    },
    hide: function() {
      var shown = browserPrinting.shown;
      if (!shown) return;
      browserPrinting.shown = null;
      shown.element.remove();
      shown.style.remove();
      shown.urls.forEach(function(url) { URL.revokeObjectURL(url); });
    },
  },
  // The paper choice, for the page's own checks.
  $browserPrinting__postset: "Module['printPaper'] = function(language) { return browserPrinting.paperFor(language).css; };",

  dab_print_area__deps: ['$browserPrinting'],
  dab_print_area: function(dpi, width, height) {
    var paper = browserPrinting.paperFor(navigator.language);
    browserPrinting.paper = paper;
    HEAP32[width >> 2] = Math.floor((paper.width - 2 * browserPrinting.margin) * dpi);
    HEAP32[height >> 2] = Math.floor((paper.height - 2 * browserPrinting.margin) * dpi);
  },

  dab_print_page__deps: ['$browserPrinting'],
  dab_print_page: function(job, pixels, width, height, dpi) {
    var canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    var context = canvas.getContext('2d');
    var image = context.createImageData(width, height);
    var from = HEAPU32.subarray(pixels >> 2, (pixels >> 2) + width * height);
    var to = new Uint32Array(image.data.buffer);
    // 0x00RRGGBB to the bytes R, G, B, A.
    for (var i = 0; i < from.length; i++) {
      var p = from[i];
      to[i] = 0xFF000000 | (p & 0xFF) << 16 | p & 0xFF00 | p >> 16 & 0xFF;
    }
    context.putImageData(image, 0, 0);
    (browserPrinting.jobs[job] = browserPrinting.jobs[job] || []).push(
        { canvas: canvas, width: width, height: height, dpi: dpi });
  },

  dab_print_end__deps: ['$browserPrinting'],
  dab_print_end: function(job) {
    var pages = browserPrinting.jobs[job];
    delete browserPrinting.jobs[job];
    if (pages) browserPrinting.print(pages);
  },

  dab_print_cancel__deps: ['$browserPrinting'],
  dab_print_cancel: function(job) {
    delete browserPrinting.jobs[job];
  },
});
