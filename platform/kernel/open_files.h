// The files opened through OpenFile and CreateFileA, by the HFILE handed out for each; CreateFileA's
// HANDLE is the same number, as on Windows, where either family's calls take the other's handles.
#pragma once

#include <sys/types.h>

#include <cstdint>

#include "platform/api/kernel.h"

namespace kernel {

// A new handle, never one handed out before, so a stale handle cannot reach a later file. Unless the
// opener shared deletion, the file cannot be deleted or renamed while it is open.
HFILE AddOpenFile(int descriptor, bool sharesDeletion = false);
// The descriptor of an open handle, or -1.
int DescriptorOf(HFILE file);
// Closes the file; false when the handle is not open.
bool CloseOpenFile(HFILE file);
// Whether a handle open on that file keeps it from being deleted or renamed.
bool IsHeldAgainstDeletion(dev_t device, ino_t inode);

inline HANDLE HandleOf(HFILE file) { return reinterpret_cast<HANDLE>(intptr_t(file)); }
inline HFILE FileOf(HANDLE handle) { return HFILE(reinterpret_cast<intptr_t>(handle)); }

}  // namespace kernel
