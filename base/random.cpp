#include "base/random.h"

#include <cstdlib>

#include "platform/win32.h"

namespace {

// A 64-bit linear congruential generator; the top 31 bits of each state are the draw, since the low bits
// of such a generator repeat quickly.
uint64_t state;

}  // namespace

void SeedRandom(uint32_t seconds) { state = seconds; }

int RandomNumber() {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return int(state >> 33);
}

int RandomBelow(int n) { return n == 0 ? 0 : RandomNumber() % n; }

uint32_t ClockSeconds() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    uint64_t ticks = (uint64_t(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    // 100-nanosecond ticks since 1601; seconds since 1970.
    return uint32_t((ticks - 116444736000000000ull) / 10000000ull);
}

uint32_t StartSeed() {
    char text[16];
    DWORD length = GetEnvironmentVariableA("DAB_SEED", text, sizeof text);
    if (length == 0 || length >= sizeof text) return ClockSeconds();
    char* end;
    unsigned long seed = std::strtoul(text, &end, 10);
    return *end == '\0' ? uint32_t(seed) : ClockSeconds();
}
