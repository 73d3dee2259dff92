#include "platform/api/kernel.h"

namespace {

// Each thread has its own, as on Windows.
thread_local DWORD lastError = 0;

}  // namespace

DWORD WINAPI GetLastError(void) { return lastError; }

void WINAPI SetLastError(DWORD error) { lastError = error; }
