#include "platform/kernel/paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <optional>

namespace kernel {
namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool Exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// Of several entries differing only in case, the first in byte order, so the choice does not depend on
// the order the directory lists them.
std::optional<std::string> EntryMatchingIgnoringCase(const std::string& directory, std::string_view name) {
    DIR* listing = opendir(directory.empty() ? "." : directory.c_str());
    if (!listing) return std::nullopt;
    std::optional<std::string> found;
    while (const dirent* entry = readdir(listing)) {
        std::string_view candidate = entry->d_name;
        if (EqualIgnoringCase(candidate, name) && (!found || candidate < *found)) found = std::string(candidate);
    }
    closedir(listing);
    return found;
}

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::string ResolvePath(std::string_view windowsPath) {
    std::string path(windowsPath);
    std::replace(path.begin(), path.end(), '\\', '/');

    std::string resolved = path.starts_with('/') ? "/" : "";
    bool stillExists = true;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = std::min(path.find('/', start), path.size());
        std::string_view part = std::string_view(path).substr(start, end - start);
        if (!part.empty()) {
            if (!resolved.empty() && !resolved.ends_with('/')) resolved += '/';
            std::string directory = resolved;
            resolved += part;
            if (stillExists && part != "." && part != ".." && !Exists(resolved)) {
                std::optional<std::string> match = EntryMatchingIgnoringCase(directory, part);
                if (match) {
                    resolved = directory + *match;
                } else {
                    stillExists = false;
                }
            }
        }
        start = end + 1;
    }
    if (path.ends_with('/') && !resolved.ends_with('/')) resolved += '/';
    return resolved;
}

std::string WindowsPath(std::string_view localPath) {
    std::string path(localPath);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

}  // namespace kernel
