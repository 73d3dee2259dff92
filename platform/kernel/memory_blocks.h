// The blocks behind global and local memory, which on Win32 are one and the same heap. The GMEM_ and
// LMEM_ flags share their values.
#pragma once

#include "platform/api/kernel.h"

namespace kernel {

HANDLE AllocateBlock(UINT flags, SIZE_T bytes);
LPVOID LockBlock(HANDLE memory);
BOOL UnlockBlock(HANDLE memory);
HANDLE ReAllocateBlock(HANDLE memory, SIZE_T bytes, UINT flags);
// Null when freed; the handle itself when it names no block.
HANDLE FreeBlock(HANDLE memory);
SIZE_T BlockSize(HANDLE memory);
// How many blocks are allocated and not yet freed.
size_t LiveBlockCount();

}  // namespace kernel
