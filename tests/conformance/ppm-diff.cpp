// ppm-diff OURS.ppm REFERENCE.ppm: compares two pictures written by gdi-replay. Prints "exact" (exit 0), or
// the count of differing pixels and the first one in reading order with both colours as COLORREFs, the way
// the scripts write colours (exit 1). A file it cannot read, or pictures of different sizes, give exit 2.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Picture {
    long width = 0;
    long height = 0;
    std::vector<unsigned char> rgb;
};

bool readPpm(const char* path, Picture& picture) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    long maxval = 0;
    if (!(in >> magic >> picture.width >> picture.height >> maxval)) return false;
    if (magic != "P6" || maxval != 255 || picture.width < 1 || picture.height < 1) return false;
    in.get();
    picture.rgb.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return picture.rgb.size() == static_cast<size_t>(picture.width * picture.height * 3);
}

uint32_t colorref(const unsigned char* rgb) { return rgb[0] | rgb[1] << 8 | rgb[2] << 16; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: ppm-diff OURS.ppm REFERENCE.ppm\n");
        return 2;
    }
    Picture ours, reference;
    for (int i = 1; i <= 2; ++i) {
        if (!readPpm(argv[i], i == 1 ? ours : reference)) {
            std::fprintf(stderr, "ppm-diff: %s is not a picture gdi-replay writes\n", argv[i]);
            return 2;
        }
    }
    if (ours.width != reference.width || ours.height != reference.height) {
        std::fprintf(stderr, "ppm-diff: sizes differ: ours %ldx%ld, reference %ldx%ld\n", ours.width,
                     ours.height, reference.width, reference.height);
        return 2;
    }
    long count = 0;
    long first = -1;
    for (long i = 0; i < ours.width * ours.height; ++i) {
        if (colorref(&ours.rgb[i * 3]) != colorref(&reference.rgb[i * 3])) {
            if (count++ == 0) first = i;
        }
    }
    if (count == 0) {
        std::printf("exact\n");
        return 0;
    }
    std::printf("differs %ld pixels, first at (%ld, %ld): ours 0x%08X reference 0x%08X\n", count,
                first % ours.width, first / ours.width, colorref(&ours.rgb[first * 3]),
                colorref(&reference.rgb[first * 3]));
    return 1;
}
