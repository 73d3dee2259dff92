// The one settable clock behind GetTickCount, GetSystemTime, GetLocalTime and GetSystemTimeAsFileTime.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/testing/kernel.h"
#include "platform/win32.h"

namespace {

// 2024-02-29 23:45:30 UTC, a Thursday at the end of a leap February.
const int64_t leapEvening = 1709250330;

class KernelClock : public ::testing::Test {
protected:
    void TearDown() override { testing::UseRealClock(); }
};

// The fields in SYSTEMTIME's order: year, month, day of the week, day, hour, minute, second, milliseconds.
void ExpectTime(const SYSTEMTIME& t, const std::vector<int>& fields) {
    std::vector<int> got = {t.wYear, t.wMonth, t.wDayOfWeek, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
    EXPECT_EQ(got, fields);
}

uint64_t FileTimeValue() {
    FILETIME time;
    GetSystemTimeAsFileTime(&time);
    return (uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

TEST_F(KernelClock, SetClockGivesThatMomentInEveryForm) {
    testing::SetClock(leapEvening);
    SYSTEMTIME t;
    GetSystemTime(&t);
    ExpectTime(t, {2024, 2, 4, 29, 23, 45, 30, 0});
    EXPECT_EQ(FileTimeValue(), 133537239300000000u);
    // The seconds since 1970 the program seeds from.
    EXPECT_EQ(int64_t((FileTimeValue() - 116444736000000000u) / 10000000), leapEvening);
    GetSystemTime(nullptr);
    GetLocalTime(nullptr);
    GetSystemTimeAsFileTime(nullptr);
}

TEST_F(KernelClock, SetClockStandsStillUntilAdvanced) {
    testing::SetClock(leapEvening);
    DWORD tick = GetTickCount();
    uint64_t time = FileTimeValue();
    usleep(20000);
    EXPECT_EQ(GetTickCount(), tick);
    EXPECT_EQ(FileTimeValue(), time);

    testing::AdvanceClock(1250);
    EXPECT_EQ(GetTickCount(), tick + 1250);
    EXPECT_EQ(FileTimeValue(), time + 1250 * 10000);
    testing::AdvanceClock(29 * 60 * 1000);
    SYSTEMTIME t;
    GetSystemTime(&t);
    ExpectTime(t, {2024, 3, 5, 1, 0, 14, 31, 250});
}

TEST_F(KernelClock, LocalTimeFollowsTheZone) {
    std::optional<std::string> zone;
    if (const char* tz = std::getenv("TZ")) zone = tz;
    setenv("TZ", "EAST-2", 1);
    testing::SetClock(leapEvening);
    SYSTEMTIME t;
    GetLocalTime(&t);
    ExpectTime(t, {2024, 3, 5, 1, 1, 45, 30, 0});
    if (zone) {
        setenv("TZ", zone->c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

TEST_F(KernelClock, RealClockIsTheSystemsAndCanBeAdvanced) {
    testing::SetClock(leapEvening);
    testing::UseRealClock();
    auto now = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch());
    int64_t seconds = int64_t((FileTimeValue() - 116444736000000000u) / 10000000);
    EXPECT_NEAR(double(seconds), double(now.count()), 5.0);

    DWORD tick = GetTickCount();
    testing::AdvanceClock(3600 * 1000);
    DWORD advanced = GetTickCount() - tick;
    EXPECT_GE(advanced, 3600u * 1000);
    EXPECT_LT(advanced, 3600u * 1000 + 60000);
    seconds = int64_t((FileTimeValue() - 116444736000000000u) / 10000000);
    EXPECT_NEAR(double(seconds), double(now.count() + 3600), 5.0);
}

}  // namespace
