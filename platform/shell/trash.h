// Deleting into the desktop's trash.
#pragma once

#include <string>

namespace shell {

// Moves the file into its trash with a record of where it was; false, with nothing changed, when no trash
// can take it.
bool MoveToTrash(const std::string& file);

}  // namespace shell
