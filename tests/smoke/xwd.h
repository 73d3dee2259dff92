// Reading an X screenshot (xwd -root: 24 or 32 bits, ZPixmap) and a binary PPM picture, for the smoke
// tests' comparisons.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace smoke {

inline std::vector<uint8_t> ReadAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline uint32_t Big32(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3]; }

struct Picture {
    int width = 0, height = 0;
    std::vector<uint32_t> rgb;  // 0xRRGGBB
};

inline bool ReadXwd(const std::vector<uint8_t>& d, Picture& p) {
    if (d.size() < 100) return false;
    uint32_t headerSize = Big32(&d[0]), format = Big32(&d[8]), width = Big32(&d[16]), height = Big32(&d[20]);
    uint32_t byteOrder = Big32(&d[28]), bitsPerPixel = Big32(&d[44]), bytesPerLine = Big32(&d[48]);
    uint32_t redMask = Big32(&d[56]), greenMask = Big32(&d[60]), blueMask = Big32(&d[64]), colours = Big32(&d[76]);
    if (format != 2 || bitsPerPixel != 32 || width > 16384 || height > 16384) return false;
    size_t start = size_t(headerSize) + size_t(colours) * 12;
    if (start + size_t(bytesPerLine) * height > d.size()) return false;
    auto shift = [](uint32_t mask) { int s = 0; while (mask && !(mask & 1)) mask >>= 1, s++; return s; };
    p.width = int(width);
    p.height = int(height);
    p.rgb.resize(size_t(width) * height);
    for (uint32_t y = 0; y < height; y++)
        for (uint32_t x = 0; x < width; x++) {
            const uint8_t* q = &d[start + size_t(y) * bytesPerLine + size_t(x) * 4];
            uint32_t v = byteOrder ? Big32(q) : (uint32_t(q[3]) << 24) | (uint32_t(q[2]) << 16) | (uint32_t(q[1]) << 8) | q[0];
            uint32_t r = (v & redMask) >> shift(redMask), g = (v & greenMask) >> shift(greenMask), b = (v & blueMask) >> shift(blueMask);
            p.rgb[size_t(y) * width + x] = (r << 16) | (g << 8) | b;
        }
    return true;
}

inline bool ReadPpm(const std::vector<uint8_t>& d, Picture& p) {
    int maxval = 0, consumed = 0;
    std::string head(d.begin(), d.begin() + long(std::min<size_t>(d.size(), 64)));
    if (std::sscanf(head.c_str(), "P6 %d %d %d%n", &p.width, &p.height, &maxval, &consumed) != 3 || maxval != 255) return false;
    size_t start = size_t(consumed) + 1;
    if (p.width <= 0 || p.height <= 0 || start + size_t(p.width) * size_t(p.height) * 3 > d.size()) return false;
    p.rgb.resize(size_t(p.width) * size_t(p.height));
    for (size_t i = 0; i < p.rgb.size(); i++)
        p.rgb[i] = (uint32_t(d[start + 3 * i]) << 16) | (uint32_t(d[start + 3 * i + 1]) << 8) | d[start + 3 * i + 2];
    return true;
}

}  // namespace smoke
