// The Windows error a failed system call stands for, shared by the file calls.
#pragma once

#include <string>

#include "platform/api/kernel.h"

namespace kernel {

// The error for errno after a call on path; a missing file in a missing folder is a missing path, as
// Windows tells them apart.
DWORD WindowsError(int error, const std::string& path);

// Sets the thread's last error and returns FALSE, for the calls that fail with it.
BOOL Fail(DWORD error);

}  // namespace kernel
