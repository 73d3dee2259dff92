// The files opened through OpenFile, by the HFILE handed out for each.
#pragma once

#include <sys/types.h>

#include "platform/api/kernel.h"

namespace kernel {

// A new handle, never one handed out before, so a stale handle cannot reach a later file.
HFILE AddOpenFile(int descriptor);
// The descriptor of an open handle, or -1.
int DescriptorOf(HFILE file);
// Closes the file; false when the handle is not open.
bool CloseOpenFile(HFILE file);
// Whether an open handle refers to that file.
bool IsOpen(dev_t device, ino_t inode);

}  // namespace kernel
