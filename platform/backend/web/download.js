// For grown-ups, out of a small child's reach: Ctrl+Shift+S downloads the picture kept last as a PNG named
// for the moment. That is the newest of the saved pictures and the journal (UNSAVED.DAB, the canvas the
// program keeps while the child pauses), all of them BMP files in the user's own folder: the program's
// folder, with the supplied pictures, is read-only.
(function() {
  var userFolder = '/home/web_user/Pictures/dab';

  function isPicture(name) { return /\.BMP$/i.test(name) || name.toUpperCase() === 'UNSAVED.DAB'; }

  // The folder's pictures: [{ path, time }].
  function picturesIn(folder) {
    var names;
    try {
      names = FS.readdir(folder);
    } catch (error) {
      return [];  // no such folder
    }
    var found = [];
    names.filter(isPicture).forEach(function(name) {
      var path = folder + '/' + name;
      var info = FS.stat(path);
      var time = info.mtime.getTime();
      if (FS.isFile(info.mode)) found.push({ path: path, time: time });
    });
    return found;
  }

  // The picture kept last; null for none.
  function newestPicture() {
    return picturesIn(userFolder).reduce(function(newest, picture) {
      return newest && newest.time >= picture.time ? newest : picture;
    }, null);
  }

  function twoDigits(n) { return (n < 10 ? '0' : '') + n; }

  function downloadName(now) {
    return 'dab-' + now.getFullYear() + '-' + twoDigits(now.getMonth() + 1) + '-' + twoDigits(now.getDate()) + '-' +
           twoDigits(now.getHours()) + twoDigits(now.getMinutes()) + '.png';
  }

  function download(blob, name) {
    var url = URL.createObjectURL(blob);
    var link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    // The download has its own copy soon after the click; a minute is ample.
    setTimeout(function() { URL.revokeObjectURL(url); }, 60000);
  }

  function downloadPicture() {
    var picture = newestPicture();
    if (!picture) return;
    var bytes = FS.readFile(picture.path);
    var name = downloadName(new Date());
    createImageBitmap(new Blob([bytes], { type: 'image/bmp' })).then(function(bitmap) {
      var canvas = document.createElement('canvas');
      canvas.width = bitmap.width;
      canvas.height = bitmap.height;
      canvas.getContext('2d').drawImage(bitmap, 0, 0);
      bitmap.close();
      canvas.toBlob(function(png) {
        if (png) download(png, name);
      }, 'image/png');
    }, function(error) {
      err('dab: ' + picture.path + ' could not be read as a picture: ' + error);
    });
  }

  // Caught before the page's elements see it, so the program never gets these keys.
  window.addEventListener('keydown', function(event) {
    if (!event.ctrlKey || !event.shiftKey || event.altKey || event.metaKey || event.code !== 'KeyS') return;
    event.preventDefault();
    event.stopImmediatePropagation();
    if (!event.repeat && typeof FS !== 'undefined') downloadPicture();
  }, true);
})();
