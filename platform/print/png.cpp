#include "png.h"

#include <zlib.h>

#include <cmath>
#include <cstdio>

namespace print {
namespace {

// Each row but the first is written as its difference from the row above (PNG's "up" filter): a printed
// page repeats every picture row several times over, and a repeated row becomes zeros.
constexpr uint8_t kNoFilter = 0;
constexpr uint8_t kUpFilter = 2;

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(uint8_t(v >> shift));
}

void Chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
    Put32(out, uint32_t(data.size()));
    size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    Put32(out, uint32_t(crc32(0, out.data() + start, uInt(out.size() - start))));
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

class Deflater {
public:
    Deflater() { ok_ = deflateInit(&stream_, Z_DEFAULT_COMPRESSION) == Z_OK; }
    ~Deflater() { deflateEnd(&stream_); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    bool Add(const std::vector<uint8_t>& bytes, bool last) {
        stream_.next_in = const_cast<Bytef*>(bytes.data());
        stream_.avail_in = uInt(bytes.size());
        int flush = last ? Z_FINISH : Z_NO_FLUSH;
        int result;
        do {
            uint8_t buffer[65536];
            stream_.next_out = buffer;
            stream_.avail_out = sizeof buffer;
            result = deflate(&stream_, flush);
            if (result == Z_STREAM_ERROR) ok_ = false;
            out_.insert(out_.end(), buffer, buffer + (sizeof buffer - stream_.avail_out));
        } while (ok_ && (stream_.avail_out == 0 || (last && result != Z_STREAM_END)));
        return ok_;
    }
    std::vector<uint8_t>& Out() { return out_; }

private:
    z_stream stream_{};
    bool ok_ = false;
    std::vector<uint8_t> out_;
};

// alpha: the words' top byte is each pixel's opacity, written as a fourth channel.
std::vector<uint8_t> Encode(int width, int height, const uint32_t* pixels, ptrdiff_t stride, int dpi, bool alpha) {
    if (width <= 0 || height <= 0 || !pixels) return {};
    size_t channels = alpha ? 4 : 3;
    std::vector<uint8_t> row(1 + size_t(width) * channels), above(row.size()), filtered(row.size());
    Deflater deflater;
    for (int y = 0; y < height; y++) {
        const uint32_t* words = pixels + y * stride;
        uint8_t* out = row.data() + 1;
        for (int x = 0; x < width; x++) {
            *out++ = uint8_t(words[x] >> 16);
            *out++ = uint8_t(words[x] >> 8);
            *out++ = uint8_t(words[x]);
            if (alpha) *out++ = uint8_t(words[x] >> 24);
        }
        filtered[0] = y == 0 ? kNoFilter : kUpFilter;
        for (size_t i = 1; i < row.size(); i++) filtered[i] = y == 0 ? row[i] : uint8_t(row[i] - above[i]);
        if (!deflater.Add(filtered, y == height - 1)) return {};
        row.swap(above);
    }
    std::vector<uint8_t> header;
    Put32(header, uint32_t(width));
    Put32(header, uint32_t(height));
    header.insert(header.end(), {8, uint8_t(alpha ? 6 : 2), 0, 0, 0});
    std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Chunk(file, "IHDR", header);
    if (dpi > 0) Chunk(file, "pHYs", PixelsPerMetre(dpi));
    Chunk(file, "IDAT", deflater.Out());
    Chunk(file, "IEND", {});
    return file;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) return false;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

std::vector<uint8_t> EncodePng(int width, int height, const uint32_t* pixels, ptrdiff_t stride, int dpi) {
    return Encode(width, height, pixels, stride, dpi, false);
}

bool WritePng(const std::string& path, int width, int height, const uint32_t* pixels, ptrdiff_t stride,
              int dpi) {
    return WriteFile(path, Encode(width, height, pixels, stride, dpi, false));
}

bool WriteRgbaPng(const std::string& path, int width, int height, const uint32_t* pixels) {
    return WriteFile(path, Encode(width, height, pixels, width, 0, true));
}

}  // namespace print
