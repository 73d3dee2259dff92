// The smoke program on the headless backend: runs it on a screen of the given size until it has painted,
// draws a stroke through the points given (the first pressed, the last released), writes the screen as a
// PPM picture, then closes it and checks that it ends with 0.
#include <cstdio>
#include <cstdlib>

#include "tests/smoke/headless_screen.h"

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: smoke_headless WIDTH HEIGHT OUT.ppm [X Y ...]\n");
        return 2;
    }
    StartOnScreen(std::atoi(argv[1]), std::atoi(argv[2]));
    DrawStroke(argv + 4, argc - 4);
    if (!WriteScreenPpm(argv[3])) return 2;
    testing::RequestClose();
    int result = testing::WaitForExit();
    if (result != 0) std::fprintf(stderr, "smoke_headless: the program ended with %d\n", result);
    return result;
}
