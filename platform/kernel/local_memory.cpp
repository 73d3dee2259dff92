#include "platform/api/kernel.h"
#include "platform/kernel/memory_blocks.h"

HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T bytes) { return kernel::AllocateBlock(flags, bytes); }

LPVOID WINAPI LocalLock(HLOCAL memory) { return kernel::LockBlock(memory); }

BOOL WINAPI LocalUnlock(HLOCAL memory) { return kernel::UnlockBlock(memory); }

HLOCAL WINAPI LocalFree(HLOCAL memory) { return kernel::FreeBlock(memory); }
