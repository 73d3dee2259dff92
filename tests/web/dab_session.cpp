// dab on the headless backend, as the browser check drives it in the page: started on a screen of the given
// size with no settings, a stroke drawn through the points given (the first pressed, the last released),
// then the screen written as a PPM picture for the check to compare with the page's canvas.
#include <cstdio>
#include <cstdlib>

#include "tests/smoke/headless_screen.h"

int main(int argc, char** argv) {
    if (argc < 6 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: dab_session WIDTH HEIGHT OUT.ppm X Y [X Y ...]\n");
        return 2;
    }
    StartOnScreen(std::atoi(argv[1]), std::atoi(argv[2]));
    DrawStroke(argv + 4, argc - 4);
    bool written = WriteScreenPpm(argv[3]);
    // The program is left running: the screen is all the check needs, and a close would ask the quit question.
    std::fflush(stdout);
    std::_Exit(written ? 0 : 2);
}
