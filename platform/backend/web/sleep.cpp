// A sleep in the page gives the browser its turn meanwhile, as a sleeping thread gives the desktop's: it
// shows the canvas as drawn so far and takes input. emscripten's own sleep would spin without yielding.
#include <emscripten.h>
#include <errno.h>
#include <time.h>

extern "C" int nanosleep(const timespec* wanted, timespec* left) {
    if (!wanted || wanted->tv_sec < 0 || wanted->tv_nsec < 0 || wanted->tv_nsec > 999999999L) {
        errno = EINVAL;
        return -1;
    }
    // Whole milliseconds, rounded up: a sleep is never shorter than asked.
    emscripten_sleep(unsigned(wanted->tv_sec * 1000 + (wanted->tv_nsec + 999999) / 1000000));
    if (left) *left = {};
    return 0;
}
