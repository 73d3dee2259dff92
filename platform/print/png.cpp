#include "png.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace print {

namespace {

uint32_t Crc(const uint8_t* data, size_t n, uint32_t crc = 0xFFFFFFFFu) {
    for (size_t i = 0; i < n; i++) {
        crc ^= data[i];
        for (int k = 0; k < 8; k++) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return crc;
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void Chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    Put32(out, uint32_t(data.size()));
    std::vector<uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    Put32(out, Crc(body.data(), body.size()) ^ 0xFFFFFFFFu);
}

// A zlib stream of stored blocks: no compression, so no library is needed.
std::vector<uint8_t> Zlib(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> z = {0x78, 0x01};
    size_t pos = 0;
    do {
        size_t n = std::min<size_t>(65535, raw.size() - pos);
        bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(uint8_t(n));
        z.push_back(uint8_t(n >> 8));
        z.push_back(uint8_t(~n));
        z.push_back(uint8_t(~n >> 8));
        z.insert(z.end(), raw.begin() + long(pos), raw.begin() + long(pos + n));
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    Put32(z, (b << 16) | a);
    return z;
}

// The pHYs chunk's body: the same density across and down, in pixels a metre.
std::vector<uint8_t> PixelsPerMetre(int dpi) {
    auto perMetre = uint32_t(std::lround(dpi / 0.0254));
    std::vector<uint8_t> body;
    Put32(body, perMetre);
    Put32(body, perMetre);
    body.push_back(1);
    return body;
}

}  // namespace

namespace {

// alpha: the words' top byte is each pixel's opacity, written as a fourth channel.
bool Write(const std::string& path, int width, int height, const uint32_t* pixels, ptrdiff_t stride, int dpi,
           bool alpha) {
    if (width <= 0 || height <= 0 || !pixels) return false;
    size_t channels = alpha ? 4 : 3;
    std::vector<uint8_t> raw;
    raw.reserve(size_t(height) * (size_t(width) * channels + 1));
    for (int y = 0; y < height; y++) {
        raw.push_back(0);  // no filter
        const uint32_t* row = pixels + y * stride;
        for (int x = 0; x < width; x++) {
            raw.push_back(uint8_t(row[x] >> 16));
            raw.push_back(uint8_t(row[x] >> 8));
            raw.push_back(uint8_t(row[x]));
            if (alpha) raw.push_back(uint8_t(row[x] >> 24));
        }
    }
    std::vector<uint8_t> header;
    Put32(header, uint32_t(width));
    Put32(header, uint32_t(height));
    header.insert(header.end(), {8, uint8_t(alpha ? 6 : 2), 0, 0, 0});
    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Chunk(file, "IHDR", header);
    if (dpi > 0) Chunk(file, "pHYs", PixelsPerMetre(dpi));
    Chunk(file, "IDAT", Zlib(raw));
    Chunk(file, "IEND", {});
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

bool WritePng(const std::string& path, int width, int height, const uint32_t* pixels, ptrdiff_t stride,
              int dpi) {
    return Write(path, width, height, pixels, stride, dpi, false);
}

bool WriteRgbaPng(const std::string& path, int width, int height, const uint32_t* pixels) {
    return Write(path, width, height, pixels, width, 0, true);
}

}  // namespace print
