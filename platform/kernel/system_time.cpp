#include <time.h>

#include "platform/api/kernel.h"
#include "platform/kernel/settable_clock.h"

namespace {

// FILETIME counts 100-nanosecond intervals from 1601, 11644473600 seconds before 1970.
const int64_t millisecondsFrom1601To1970 = 11644473600LL * 1000;

int64_t FloorDivide(int64_t value, int64_t divisor) {
    int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

void FillSystemTime(LPSYSTEMTIME time, const tm& calendar, int64_t milliseconds) {
    time->wYear = WORD(calendar.tm_year + 1900);
    time->wMonth = WORD(calendar.tm_mon + 1);
    time->wDayOfWeek = WORD(calendar.tm_wday);
    time->wDay = WORD(calendar.tm_mday);
    time->wHour = WORD(calendar.tm_hour);
    time->wMinute = WORD(calendar.tm_min);
    time->wSecond = WORD(calendar.tm_sec);
    time->wMilliseconds = WORD(milliseconds - FloorDivide(milliseconds, 1000) * 1000);
}

}  // namespace

DWORD WINAPI GetTickCount(void) { return DWORD(kernel::TickMilliseconds()); }

void WINAPI GetSystemTime(LPSYSTEMTIME time) {
    if (!time) return;
    int64_t now = kernel::WallClockMilliseconds();
    time_t seconds = time_t(FloorDivide(now, 1000));
    tm calendar;
    if (gmtime_r(&seconds, &calendar)) FillSystemTime(time, calendar, now);
}

void WINAPI GetLocalTime(LPSYSTEMTIME time) {
    if (!time) return;
    int64_t now = kernel::WallClockMilliseconds();
    time_t seconds = time_t(FloorDivide(now, 1000));
    tm calendar;
    // The zone is read afresh, so a change of TZ shows at once.
    tzset();
    if (localtime_r(&seconds, &calendar)) FillSystemTime(time, calendar, now);
}

void WINAPI GetSystemTimeAsFileTime(LPFILETIME time) {
    if (!time) return;
    uint64_t intervals = uint64_t(kernel::WallClockMilliseconds() + millisecondsFrom1601To1970) * 10000;
    time->dwLowDateTime = DWORD(intervals);
    time->dwHighDateTime = DWORD(intervals >> 32);
}
