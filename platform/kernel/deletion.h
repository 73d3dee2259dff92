// What DeleteFileA deletes and what it refuses, shared with the shell's deletion into the trash.
#pragma once

#include <string>

#include "platform/api/kernel.h"

namespace kernel {

// Why the file at a resolved path cannot be deleted, or 0 when it can: an installed file, a folder, a file
// held open and a missing one cannot.
DWORD DeletionRefusal(const std::string& path);

}  // namespace kernel
