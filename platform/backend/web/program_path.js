// The program finds its folder, where its data files lie, from the path of its executable; in the page that
// folder is /dab, where the build preloads the data files.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function() {
  FS.symlink('/dab/dab', '/proc/self/exe');
});
