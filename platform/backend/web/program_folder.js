// The program's folder is /dab, where the build preloads the data files. The program finds it from the path
// of its executable, and opens its data files by bare name, so it starts there as a desktop shortcut starts
// it on Windows. It is read-only, as an installed program's folder is, so the program keeps what it writes,
// the child's pictures among them, in the user's folder instead (storage.js).
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function() {
  FS.mkdirTree('/dab');
  // Permissions count once the runtime starts, after the preloaded files are in.
  FS.chmod('/dab', 365);  // r-xr-xr-x
  FS.symlink('/dab/dab', '/proc/self/exe');
  FS.chdir('/dab');
  // The preloaded files would be as new as the page; they are as old as the program instead, older than
  // anything the child keeps, so the chooser lists the child's newest pictures first.
  addOnInit(function() {
    FS.readdir('/dab').forEach(function(name) {
      if (name !== '.' && name !== '..') FS.utime('/dab/' + name, 0, 0);
    });
  });
});
