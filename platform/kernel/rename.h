// Renames for the file calls and the trash.
#pragma once

#include <string>

namespace kernel {

// Renames without ever replacing what already has the new name; false with errno set (EEXIST when the name
// is taken).
bool RenameWithoutReplacing(const std::string& from, const std::string& to);

// Makes the folder holding path durable, so a rename into or out of it survives a power cut.
bool SyncFolderOf(const std::string& path);

}  // namespace kernel
