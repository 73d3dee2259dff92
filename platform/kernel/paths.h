// Windows file names on a case-sensitive file system: shared by the file, sound and music calls.
#pragma once

#include <string>
#include <string_view>

namespace kernel {

// The local path of a Windows path: backslashes become separators, and each part that does not exist as
// written is replaced by the directory entry that matches it ignoring ASCII case. Parts with no match are
// kept as written, so a path to a file yet to be created resolves too.
std::string ResolvePath(std::string_view windowsPath);

// A local path as Windows shows one, with backslashes.
std::string WindowsPath(std::string_view localPath);

bool EqualIgnoringCase(std::string_view a, std::string_view b);

}  // namespace kernel
