// The program's sleep until input: it gives the browser its turn (Asyncify) and wakes up when the time is up
// or at the first input the page receives, once SDL's own handlers have queued it. Sounds and music go on
// meanwhile: the browser calls the mixer whenever it needs samples.
mergeInto(LibraryManager.library, {
  $dabInputWait: { current: null, listening: false },
  dab_wait_for_input__deps: ['$dabInputWait'],
  dab_wait_for_input: function(milliseconds) {
    Asyncify.handleSleep(function(wakeUp) {
      if (!dabInputWait.listening) {
        dabInputWait.listening = true;
        var input = function() {
          if (dabInputWait.current) setTimeout(dabInputWait.current, 0);
        };
        ['mousedown', 'mouseup', 'mousemove', 'mouseover', 'mouseout', 'mouseenter', 'mouseleave', 'wheel',
         'touchstart', 'touchmove', 'touchend', 'touchcancel', 'keydown', 'keyup', 'keypress', 'focus', 'blur',
         'resize'].forEach(function(name) { window.addEventListener(name, input, { capture: true, passive: true }); });
        document.addEventListener('visibilitychange', input);
      }
      var timer;
      var done = function() {
        if (dabInputWait.current !== done) return;  // this wait has already ended
        dabInputWait.current = null;
        clearTimeout(timer);
        wakeUp();
      };
      dabInputWait.current = done;
      timer = setTimeout(done, milliseconds);
    });
  },
});
