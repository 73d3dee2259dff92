// The user's folder ($HOME: the settings, the child's pictures, the journal, the wastebasket) is kept in the
// browser's IndexedDB; everything else lives in memory for the page's life.
//
// Emscripten's IndexedDB file system holds its files in memory and copies them to the database only when
// asked: it is asked after every change under $HOME, once the change's burst of calls has returned to the
// browser, and again when the page is hidden.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function() {
  var home = '/home/web_user';
  FS.mount(IDBFS, {}, home);
  addRunDependency('storage');

  var syncing = false, again = false, scheduled = false;
  function persist() {
    scheduled = false;
    if (syncing) {
      again = true;
      return;
    }
    syncing = true;
    FS.syncfs(false, function(error) {
      syncing = false;
      if (error) err('dab: a picture could not be kept in this browser: ' + error);
      if (again) {
        again = false;
        persist();
      }
    });
  }
  function changed(paths) {
    var inHome = paths.some(function(path) { return path && PATH_FS.resolve(path).indexOf(home + '/') === 0; });
    if (!inHome || scheduled) return;
    scheduled = true;
    setTimeout(persist, 0);
  }
  // The calls that change a file or a folder, each with the paths it changes.
  function afterChange(name, pathsOf) {
    var call = FS[name];
    FS[name] = function() {
      var result = call.apply(FS, arguments);
      changed(pathsOf.apply(null, arguments));
      return result;
    };
  }
  // The database's files are copied in before the program starts; only later changes are kept.
  FS.syncfs(true, function(error) {
    if (error) err('dab: the pictures kept in this browser could not be read: ' + error);
    afterChange('close', function(stream) {
      return [(stream.flags & 3) !== 0 ? stream.path : null];  // written: O_WRONLY or O_RDWR
    });
    afterChange('rename', function(from, to) { return [from, to]; });
    afterChange('unlink', function(path) { return [path]; });
    afterChange('rmdir', function(path) { return [path]; });
    afterChange('mkdir', function(path) { return [path]; });
    document.addEventListener('visibilitychange', function() {
      if (document.visibilityState === 'hidden') persist();
    });
    removeRunDependency('storage');
  });
});
