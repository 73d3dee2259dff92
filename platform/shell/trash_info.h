// The record of a file in the trash, which lets the desktop show where it came from and put it back.
#pragma once

#include <string>

namespace shell {

// The .trashinfo of a file at that path (absolute, or relative to its trash's top), deleted now by the
// kernel's clock in local time.
std::string TrashInfo(const std::string& path);

}  // namespace shell
