// Reading the media files the program names, as Windows would find them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace media {

// The whole file, or nothing when it can't be read or is larger than limit bytes.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& localPath, size_t limit);
// The first count bytes of the file (fewer if it is shorter), or nothing when it can't be read.
std::optional<std::vector<uint8_t>> ReadFileStart(const std::string& localPath, size_t count);

}  // namespace media
