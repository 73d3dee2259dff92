// The one clock behind the kernel's time calls, which tests can set (platform/testing/kernel.h).
#pragma once

#include <cstdint>

namespace kernel {

// Milliseconds since 1970, UTC.
int64_t WallClockMilliseconds();
// Milliseconds since the system started.
int64_t TickMilliseconds();
// True while a test holds the clock: time then passes only when the test moves it, never by waiting.
bool ClockStandsStill();

}  // namespace kernel
