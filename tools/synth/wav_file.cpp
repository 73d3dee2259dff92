#include "tools/synth/wav_file.h"

#include <fstream>
#include <stdexcept>

namespace synth {
namespace {

void PutLittle(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}
void PutTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(tag[i]));
}

}  // namespace

std::vector<uint8_t> EncodeWav(std::span<const int16_t> samples, int rate) {
    constexpr int kBytesPerSample = 2;
    uint32_t dataBytes = uint32_t(samples.size() * kBytesPerSample);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes + 1);
    PutTag(out, "RIFF");
    PutLittle(out, 36 + dataBytes + (dataBytes & 1), 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutLittle(out, 16, 4);
    PutLittle(out, 1, 2);  // PCM
    PutLittle(out, 1, 2);  // one channel
    PutLittle(out, uint32_t(rate), 4);
    PutLittle(out, uint32_t(rate * kBytesPerSample), 4);
    PutLittle(out, kBytesPerSample, 2);
    PutLittle(out, 16, 2);
    PutTag(out, "data");
    PutLittle(out, dataBytes, 4);
    for (int16_t s : samples) PutLittle(out, uint16_t(s), 2);
    return out;
}

void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace synth
