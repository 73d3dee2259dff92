#include "platform/kernel/settable_clock.h"

#include <time.h>

#include "platform/testing/kernel.h"

namespace kernel {
namespace {

struct Clock {
    bool set = false;
    int64_t wallMilliseconds = 0;  // while set
    int64_t tickMilliseconds = 0;  // while set
    int64_t advancedMilliseconds = 0;  // while real
};

Clock& TheClock() {
    static Clock clock;
    return clock;
}

int64_t Milliseconds(clockid_t source) {
    timespec now;
    // A system without boot time (the browser's has only the wall clock and a monotonic one) counts as if
    // never suspended.
    if (clock_gettime(source, &now) != 0 && (source != CLOCK_BOOTTIME || clock_gettime(CLOCK_MONOTONIC, &now) != 0))
        return 0;
    return int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace

int64_t WallClockMilliseconds() {
    const Clock& clock = TheClock();
    return clock.set ? clock.wallMilliseconds : Milliseconds(CLOCK_REALTIME) + clock.advancedMilliseconds;
}

// Boot time counts suspended time too, as Windows' tick count does.
int64_t TickMilliseconds() {
    const Clock& clock = TheClock();
    return clock.set ? clock.tickMilliseconds : Milliseconds(CLOCK_BOOTTIME) + clock.advancedMilliseconds;
}

bool ClockStandsStill() { return TheClock().set; }

}  // namespace kernel

namespace testing {

void SetClock(int64_t secondsSince1970) {
    int64_t tick = kernel::TickMilliseconds();
    kernel::TheClock() = {true, secondsSince1970 * 1000, tick, 0};
}

void AdvanceClock(int64_t milliseconds) {
    kernel::Clock& clock = kernel::TheClock();
    if (clock.set) {
        clock.wallMilliseconds += milliseconds;
        clock.tickMilliseconds += milliseconds;
    } else {
        clock.advancedMilliseconds += milliseconds;
    }
}

void UseRealClock() { kernel::TheClock() = {}; }

}  // namespace testing
