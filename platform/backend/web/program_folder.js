// The program's folder is /dab, where the build preloads the data files. The program finds it from the path
// of its executable, and opens its data files by bare name, so it starts there as a desktop shortcut starts
// it on Windows.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function() {
  FS.mkdirTree('/dab');
  FS.symlink('/dab/dab', '/proc/self/exe');
  FS.chdir('/dab');
});
