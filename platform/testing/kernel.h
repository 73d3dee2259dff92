// What tests set in the kernel calls, the clock and the default printer, and the memory blocks alive.
#pragma once

#include <cstddef>
#include <cstdint>

namespace testing {

// From now on the clock stands at that moment (seconds since 1970, UTC) and moves only when advanced.
// GetTickCount goes on from where it was.
void SetClock(int64_t secondsSince1970);
// Moves the clock, the set one or the real one, on by that many milliseconds.
void AdvanceClock(int64_t milliseconds);
// Back to the real time, with nothing advanced.
void UseRealClock();

// The default printer GetProfileStringA reports from now on; an empty name means there is none.
void SetDefaultPrinter(const char* name);
// Back to the printer CUPS names.
void UseSystemDefaultPrinter();

// Global and local memory blocks allocated and not freed, to catch leaks.
size_t LiveMemoryBlocks();

}  // namespace testing
