// Reading RIFF WAVE sounds: uncompressed PCM of 8 or 16 bits, one or two channels, any rate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/backend/audio.h"

namespace media {

// The sound in a WAV file image; nothing when it is not one this reads, or is cut short.
std::optional<backend::Pcm> ParseWav(std::span<const uint8_t> file);

// How many bytes a WAV image in memory says it has (its RIFF header and size); 0 when it is not RIFF WAVE.
size_t WavImageSize(const uint8_t* image);

}  // namespace media
