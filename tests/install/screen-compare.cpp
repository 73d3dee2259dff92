// screen-compare A.xwd B.xwd DIFFERENCE.png [LEFT TOP RIGHT BOTTOM]...: compares two X screenshots of the
// same size pixel for pixel, outside the rectangles given (right and bottom excluded), which hold what the
// two systems draw each their own way, such as text. Prints "same" or the count of differing pixels, the box
// around them and the first one, and how many pixels differ in the rectangles; when anything differs outside
// them it writes DIFFERENCE.png: equal pixels faded, differing ones red, left-out ones blue. Exit 0 when the
// same, 1 when not, 2 on bad input.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

struct Box {
    int left, top, right, bottom;
    bool holds(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

bool LeftOut(const std::vector<Box>& boxes, int x, int y) {
    return std::any_of(boxes.begin(), boxes.end(), [&](const Box& b) { return b.holds(x, y); });
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || (argc - 4) % 4 != 0) {
        std::fprintf(stderr, "usage: screen-compare A.xwd B.xwd DIFFERENCE.png [LEFT TOP RIGHT BOTTOM]...\n");
        return 2;
    }
    std::vector<Box> leftOut;
    for (int i = 4; i < argc; i += 4)
        leftOut.push_back({std::atoi(argv[i]), std::atoi(argv[i + 1]), std::atoi(argv[i + 2]), std::atoi(argv[i + 3])});
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
    long differ = 0, differLeftOut = 0;
    int left = a.width, top = a.height, right = -1, bottom = -1, firstX = 0, firstY = 0;
    for (int y = 0; y < a.height; y++)
        for (int x = 0; x < a.width; x++) {
            size_t i = size_t(y) * size_t(a.width) + size_t(x);
            if (a.rgb[i] == b.rgb[i]) {
                difference[i] = Faded(a.rgb[i]);
                continue;
            }
            if (LeftOut(leftOut, x, y)) {
                differLeftOut++;
                difference[i] = 0x0000FF;
                continue;
            }
            if (differ++ == 0) firstX = x, firstY = y;
            left = std::min(left, x), right = std::max(right, x);
            top = std::min(top, y), bottom = std::max(bottom, y);
            difference[i] = 0xFF0000;
        }
    if (!differ) {
        if (leftOut.empty()) std::printf("same\n");
        else std::printf("same but for %ld pixels in the areas left out\n", differLeftOut);
        return 0;
    }
    size_t first = size_t(firstY) * size_t(a.width) + size_t(firstX);
    std::printf(
        "differs %ld pixels within (%d, %d)-(%d, %d), first at (%d, %d): 0x%06X and 0x%06X (%ld more in "
        "the areas left out)\n",
        differ, left, top, right, bottom, firstX, firstY, a.rgb[first], b.rgb[first], differLeftOut);
    if (!print::WritePng(argv[3], a.width, a.height, difference.data(), a.width)) {
        std::fprintf(stderr, "screen-compare: can't write %s\n", argv[3]);
        return 2;
    }
    return 1;
}
