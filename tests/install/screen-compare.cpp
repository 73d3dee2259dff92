// screen-compare A.xwd B.xwd DIFFERENCE.png: compares two X screenshots of the same size pixel for pixel.
// Prints "same" or the count of differing pixels, the box around them and the first one; when anything
// differs it writes DIFFERENCE.png: equal pixels faded, differing ones red. Exit 0 when the same, 1 when
// not, 2 on bad input.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/print/png.h"
#include "tests/smoke/xwd.h"

using namespace smoke;

namespace {

// Equal pixels kept recognisable but faded towards white, so the differences stand out.
uint32_t Faded(uint32_t rgb) {
    uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return ((r + 3 * 255) / 4 << 16) | ((g + 3 * 255) / 4 << 8) | (b + 3 * 255) / 4;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: screen-compare A.xwd B.xwd DIFFERENCE.png\n");
        return 2;
    }
    Picture a, b;
    for (auto [path, picture] : {std::pair{argv[1], &a}, std::pair{argv[2], &b}})
        if (!ReadXwd(ReadAll(path), *picture)) {
            std::fprintf(stderr, "screen-compare: %s is not a 32-bit ZPixmap screenshot\n", path);
            return 2;
        }
    if (a.width != b.width || a.height != b.height) {
        std::printf("sizes differ: %dx%d and %dx%d\n", a.width, a.height, b.width, b.height);
        return 1;
    }

    std::vector<uint32_t> difference(a.rgb.size());
    long differ = 0;
    int left = a.width, top = a.height, right = -1, bottom = -1, firstX = 0, firstY = 0;
    for (int y = 0; y < a.height; y++)
        for (int x = 0; x < a.width; x++) {
            size_t i = size_t(y) * size_t(a.width) + size_t(x);
            if (a.rgb[i] == b.rgb[i]) {
                difference[i] = Faded(a.rgb[i]);
                continue;
            }
            if (differ++ == 0) firstX = x, firstY = y;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
            difference[i] = 0xFF0000;
        }
    if (!differ) {
        std::printf("same\n");
        return 0;
    }
    size_t first = size_t(firstY) * size_t(a.width) + size_t(firstX);
    std::printf("differs %ld pixels within (%d, %d)-(%d, %d), first at (%d, %d): 0x%06X and 0x%06X\n", differ, left,
                top, right, bottom, firstX, firstY, a.rgb[first], b.rgb[first]);
    if (!print::WritePng(argv[3], a.width, a.height, difference.data(), a.width)) {
        std::fprintf(stderr, "screen-compare: can't write %s\n", argv[3]);
        return 2;
    }
    return 1;
}
