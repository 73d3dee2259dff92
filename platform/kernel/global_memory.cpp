#include "platform/api/kernel.h"
#include "platform/kernel/memory_blocks.h"

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes) { return kernel::AllocateBlock(flags, bytes); }

LPVOID WINAPI GlobalLock(HGLOBAL memory) { return kernel::LockBlock(memory); }

BOOL WINAPI GlobalUnlock(HGLOBAL memory) { return kernel::UnlockBlock(memory); }

HGLOBAL WINAPI GlobalReAlloc(HGLOBAL memory, SIZE_T bytes, UINT flags) {
    return kernel::ReAllocateBlock(memory, bytes, flags);
}

HGLOBAL WINAPI GlobalFree(HGLOBAL memory) { return kernel::FreeBlock(memory); }

SIZE_T WINAPI GlobalSize(HGLOBAL memory) { return kernel::BlockSize(memory); }
