// Writing sounds as RIFF WAVE files: 16-bit PCM, one channel.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace synth {

std::vector<uint8_t> EncodeWav(std::span<const int16_t> samples, int rate);

// Throws std::runtime_error when the file cannot be written whole.
void WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace synth
