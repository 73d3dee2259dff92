#include "platform/media/wav.h"

#include <cstring>

namespace media {
namespace {

constexpr uint16_t kFormatPcm = 1;

uint16_t Word(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t Dword(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
bool Is(const uint8_t* p, const char* fourCc) { return std::memcmp(p, fourCc, 4) == 0; }

struct Format {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

std::optional<Format> ParseFormat(std::span<const uint8_t> body) {
    if (body.size() < 16) return std::nullopt;
    Format f{Word(&body[2]), int(Dword(&body[4])), Word(&body[14])};
    uint16_t blockAlign = Word(&body[12]);
    if (Word(&body[0]) != kFormatPcm || (f.channels != 1 && f.channels != 2) || (f.bits != 8 && f.bits != 16) ||
        f.rate <= 0 || blockAlign != f.channels * f.bits / 8)
        return std::nullopt;
    return f;
}

// Eight-bit samples are unsigned around 128; sixteen-bit ones are signed little-endian.
backend::Pcm Decode(const Format& f, std::span<const uint8_t> data) {
    backend::Pcm pcm;
    pcm.rate = f.rate;
    pcm.channels = f.channels;
    size_t frameBytes = size_t(f.channels * f.bits / 8);
    size_t count = data.size() / frameBytes * size_t(f.channels);
    pcm.samples.resize(count);
    for (size_t i = 0; i < count; ++i)
        pcm.samples[i] = f.bits == 8 ? int16_t((data[i] - 128) * 256) : int16_t(Word(&data[2 * i]));
    return pcm;
}

}  // namespace

std::optional<backend::Pcm> ParseWav(std::span<const uint8_t> file) {
    if (file.size() < 12 || !Is(&file[0], "RIFF") || !Is(&file[8], "WAVE")) return std::nullopt;
    std::optional<Format> format;
    size_t at = 12;
    // Chunks are walked to the end of the file rather than the RIFF size, which writers often get wrong.
    while (file.size() - at >= 8) {
        const uint8_t* header = &file[at];
        size_t size = Dword(header + 4);
        size_t bodyAt = at + 8;
        if (size > file.size() - bodyAt) return std::nullopt;
        std::span<const uint8_t> body = file.subspan(bodyAt, size);
        if (Is(header, "fmt ")) {
            format = ParseFormat(body);
            if (!format) return std::nullopt;
        } else if (Is(header, "data")) {
            if (!format) return std::nullopt;
            return Decode(*format, body);
        }
        at = bodyAt + size + (size & 1);
        if (at > file.size()) break;
    }
    return std::nullopt;
}

size_t WavImageSize(const uint8_t* image) {
    if (!Is(image, "RIFF") || !Is(image + 8, "WAVE")) return 0;
    return 8 + size_t(Dword(image + 4));
}

}  // namespace media
