// The text of a settings file, read so that no file can hang the program or make it read without end.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kernel {

// Files larger than this read as empty: a settings file is a few lines.
constexpr size_t kLargestProfileFile = 1 << 20;

// The file's bytes; nothing when it is missing or is not a regular file (a FIFO, a device or a folder),
// empty when it is larger than kLargestProfileFile.
std::optional<std::string> ReadProfileFile(const std::string& localPath);

// The text in those bytes: after a UTF-8 mark as it is, after a UTF-16 mark as UTF-8, else as it is; up to
// the first zero character.
std::string ProfileText(std::string_view bytes);

}  // namespace kernel
