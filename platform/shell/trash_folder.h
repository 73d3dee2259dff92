// Which of the desktop's trashes takes a file, as freedesktop.org's Trash lays them out.
#pragma once

#include <optional>
#include <string>

namespace shell {

struct TrashFolder {
    std::string folder;  // holds files/ and info/, both made
    std::string top;     // the top of the file's file system for a trash there, else empty (the home trash)
};

// The trash for a file: the home trash when the file is on its file system, else the one at the top of the
// file's own; made as needed. None when it cannot be made.
std::optional<TrashFolder> TrashFolderFor(const std::string& file);

}  // namespace shell
