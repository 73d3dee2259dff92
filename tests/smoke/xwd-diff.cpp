// xwd-diff SHOT.xwd PICTURE.ppm: compares an X screenshot (xwd -root, 24 or 32 bits, ZPixmap) with a
// binary PPM of the same size. Prints "same" or the count of differing pixels and the first; exit 0 when
// the same, 1 when not, 2 when a file can't be read.
#include <cstdio>

#include "xwd.h"

using namespace smoke;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: xwd-diff SHOT.xwd PICTURE.ppm\n");
        return 2;
    }
    Picture shot, picture;
    if (!ReadXwd(ReadAll(argv[1]), shot)) {
        std::fprintf(stderr, "xwd-diff: %s is not a 32-bit ZPixmap screenshot\n", argv[1]);
        return 2;
    }
    if (!ReadPpm(ReadAll(argv[2]), picture)) {
        std::fprintf(stderr, "xwd-diff: %s is not a binary PPM\n", argv[2]);
        return 2;
    }
    if (shot.width != picture.width || shot.height != picture.height) {
        std::printf("sizes differ: %dx%d and %dx%d\n", shot.width, shot.height, picture.width, picture.height);
        return 1;
    }
    long differ = 0, first = -1;
    for (size_t i = 0; i < shot.rgb.size(); i++)
        if (shot.rgb[i] != picture.rgb[i]) {
            if (first < 0) first = long(i);
            differ++;
        }
    if (!differ) {
        std::printf("same\n");
        return 0;
    }
    std::printf("differs %ld pixels, first at (%ld, %ld): screen 0x%06X headless 0x%06X\n", differ, first % shot.width,
                first / shot.width, shot.rgb[size_t(first)], picture.rgb[size_t(first)]);
    return 1;
}
