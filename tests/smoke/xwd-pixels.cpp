// xwd-pixels SHOT.xwd X Y [X Y ...]: prints the colour of each point of an X screenshot as RRGGBB, one a
// line. With --png OUT.png first, also writes the screenshot as a PNG to look at. Exit 2 when the
// screenshot can't be read or a point lies outside it.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/print/png.h"
#include "xwd.h"

using namespace smoke;

int main(int argc, char** argv) {
    const char* png = nullptr;
    if (argc > 2 && std::strcmp(argv[1], "--png") == 0) {
        png = argv[2];
        argc -= 2;
        argv += 2;
    }
    if (argc < 2 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: xwd-pixels [--png OUT.png] SHOT.xwd X Y [X Y ...]\n");
        return 2;
    }
    Picture shot;
    if (!ReadXwd(ReadAll(argv[1]), shot)) {
        std::fprintf(stderr, "xwd-pixels: %s is not a 32-bit ZPixmap screenshot\n", argv[1]);
        return 2;
    }
    if (png && !print::WritePng(png, shot.width, shot.height, shot.rgb.data(), shot.width)) {
        std::fprintf(stderr, "xwd-pixels: can't write %s\n", png);
        return 2;
    }
    for (int i = 2; i + 1 < argc; i += 2) {
        int x = std::atoi(argv[i]), y = std::atoi(argv[i + 1]);
        if (x < 0 || y < 0 || x >= shot.width || y >= shot.height) {
            std::fprintf(stderr, "xwd-pixels: (%d, %d) is outside the %dx%d screenshot\n", x, y, shot.width, shot.height);
            return 2;
        }
        std::printf("%06X\n", shot.rgb[size_t(y) * size_t(shot.width) + size_t(x)]);
    }
    return 0;
}
