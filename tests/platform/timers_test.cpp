// Window timers on a clock the test holds: WM_TIMER comes only when nothing else waits, once however long
// the thread was away, again a period later; setting a timer again starts it afresh; killing it or
// destroying its window ends it. A program waiting for input wakes for its timer and waits again, and a
// message box's own loop hands timers on too.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "heard_messages.h"
#include "platform/testing.h"

namespace {

LRESULT CALLBACK Recording(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m != WM_SETCURSOR && m != WM_ERASEBKGND) Log().push_back({w, m, wp, lp});
    return DefWindowProcA(w, m, wp, lp);
}

HWND MakeWindow(const char* name) {
    return CreateWindowExA(0, name, "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 80, nullptr, nullptr, nullptr, nullptr);
}

// The timer ids heard since the log was last cleared, in order.
std::vector<WPARAM> TimersHeard(HWND window) {
    std::vector<WPARAM> ids;
    for (const Heard& h : Log())
        if (h.message == WM_TIMER && h.window == window) ids.push_back(h.wParam);
    return ids;
}

// A whole number of seconds in 2025, so that no test depends on when it runs.
constexpr int64_t kHeldClock = 1750000000;

class Timers : public ::testing::Test {
protected:
    void SetUp() override {
        testing::UseScreen(100, 80);
        testing::SetClock(kHeldClock);
        // A window an earlier test left may still hold the mouse.
        ReleaseCapture();
        RegisterWindowClass("Ticking", Recording);
        window = MakeWindow("Ticking");
        testing::PumpUntilIdle();
        Log().clear();
    }
    void TearDown() override {
        DestroyWindow(window);
        testing::PumpUntilIdle();
        testing::UseRealClock();
    }
    // Moves the held clock on and handles all there is.
    std::vector<WPARAM> After(int64_t milliseconds) {
        Log().clear();
        testing::AdvanceClock(milliseconds);
        testing::PumpUntilIdle();
        return TimersHeard(window);
    }
    HWND window = nullptr;
};

TEST_F(Timers, ATimerComesAfterPostedMessagesInputAndPaintsWithItsIdAndNoProcedure) {
    ASSERT_EQ(SetTimer(window, 7, 100, nullptr), 7u);
    testing::AdvanceClock(100);
    InvalidateRect(window, nullptr, TRUE);
    testing::Press(10, 10);
    testing::Release(10, 10);
    PostMessageA(window, WM_USER, 0, 0);
    testing::PumpUntilIdle();
    std::vector<UINT> order;
    for (const Heard& h : Log()) order.push_back(h.message);
    EXPECT_EQ(order, std::vector<UINT>({WM_USER, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_PAINT, WM_TIMER}));
    EXPECT_EQ(Log().back().wParam, 7u);
    EXPECT_EQ(Log().back().lParam, 0);
}

TEST_F(Timers, ATimerComesOnceAPeriodHoweverLongTheThreadWasAway) {
    SetTimer(window, 1, 100, nullptr);
    struct Step {
        int64_t advance;
        size_t heard;
    };
    // Due at 100, 200, 300 ...: ten periods missed make one message, and the rhythm stays.
    const Step steps[] = {{99, 0}, {1, 1}, {0, 0}, {100, 1}, {1030, 1}, {69, 0}, {1, 1}, {99, 0}, {1, 1}};
    int64_t at = 0;
    for (const Step& s : steps) {
        at += s.advance;
        EXPECT_EQ(After(s.advance).size(), s.heard) << "at " << at << " ms";
    }
}

TEST_F(Timers, APeriodBelowTheMinimumIsTheMinimum) {
    struct Case {
        UINT elapse;
        int64_t firstDue;
    };
    const Case cases[] = {{0, 10}, {1, 10}, {9, 10}, {10, 10}, {250, 250}};
    for (const Case& c : cases) {
        SetTimer(window, 3, c.elapse, nullptr);
        EXPECT_TRUE(After(c.firstDue - 1).empty()) << "elapse " << c.elapse;
        EXPECT_EQ(After(1), std::vector<WPARAM>{3}) << "elapse " << c.elapse;
    }
}

TEST_F(Timers, SettingATimerAgainStartsItAfresh) {
    EXPECT_EQ(SetTimer(window, 1, 100, nullptr), 1u);
    EXPECT_TRUE(After(60).empty());
    EXPECT_EQ(SetTimer(window, 1, 100, nullptr), 1u);
    EXPECT_TRUE(After(60).empty()) << "120 ms after the first, 60 after the second";
    EXPECT_EQ(After(40), std::vector<WPARAM>{1});
    // A new period takes over too.
    SetTimer(window, 1, 500, nullptr);
    EXPECT_TRUE(After(499).empty());
    EXPECT_EQ(After(1), std::vector<WPARAM>{1});
}

TEST_F(Timers, AKilledTimerAndADestroyedWindowsTimerComeNoMore) {
    RegisterWindowClass("Ticking", Recording);
    HWND other = MakeWindow("Ticking");
    SetTimer(window, 1, 100, nullptr);
    SetTimer(window, 2, 100, nullptr);
    SetTimer(other, 1, 100, nullptr);
    testing::AdvanceClock(100);
    EXPECT_TRUE(KillTimer(window, 2));
    EXPECT_FALSE(KillTimer(window, 2)) << "already gone";
    DestroyWindow(other);
    EXPECT_FALSE(KillTimer(other, 1)) << "went with its window";
    EXPECT_EQ(SetTimer(other, 1, 100, nullptr), 0u) << "no timer for a window that is gone";
    testing::PumpUntilIdle();
    EXPECT_EQ(TimersHeard(window), std::vector<WPARAM>{1});
    EXPECT_TRUE(TimersHeard(other).empty());
}

TEST_F(Timers, EachWindowHearsItsOwnTimersAndAFilterLeavesTheOthers) {
    HWND other = MakeWindow("Ticking");
    testing::PumpUntilIdle();
    SetTimer(window, 4, 100, nullptr);
    SetTimer(other, 5, 50, nullptr);
    testing::AdvanceClock(100);
    MSG m;
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, WM_TIMER - 1, PM_REMOVE)) << "both due, outside the filter";
    ASSERT_TRUE(PeekMessageA(&m, window, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(m.hwnd, window);
    EXPECT_EQ(m.wParam, 4u);
    EXPECT_FALSE(PeekMessageA(&m, window, WM_TIMER, WM_TIMER, PM_REMOVE));
    // Looking without taking leaves the timer due.
    ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_TIMER, WM_TIMER, PM_NOREMOVE));
    EXPECT_EQ(m.hwnd, other);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(m.wParam, 5u);
    EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(other);
}

// A program on its own thread with a timer of a second, which counts what it hears.
std::atomic<int> ticks{0}, boxAnswer{0};
std::atomic<HWND> counting{nullptr};

// Closed through its own window: windows earlier tests left may be the first to hear a close request.
int CloseCountingProgram() {
    PostMessageA(counting, WM_CLOSE, 0, 0);
    return testing::WaitForExit();
}

LRESULT CALLBACK Counting(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_TIMER) ticks++;
    if (m == WM_LBUTTONDOWN) boxAnswer = MessageBoxA(w, "Keep it?", "dab", MB_YESNO);
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(w, m, wp, lp);
}

int CountingProgram() {
    RegisterWindowClass("Counting", Counting);
    HWND w = MakeWindow("Counting");
    counting = w;
    SetTimer(w, 1, 1000, nullptr);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0)) DispatchMessageA(&m);
    return int(m.wParam);
}

TEST_F(Timers, AWaitingProgramWakesWhenItsTimerIsDueAndWaitsAgain) {
    ticks = 0;
    testing::StartProgram(CountingProgram);
    testing::WaitUntilIdle();
    struct Step {
        int64_t pass;
        int ticks;
    };
    const Step steps[] = {{999, 0}, {1, 1}, {500, 1}, {500, 2}, {60000, 3}, {999, 3}, {1, 4}};
    for (const Step& s : steps) {
        testing::PassTime(s.pass);
        EXPECT_EQ(ticks, s.ticks) << "after " << s.pass << " ms more";
    }
    EXPECT_EQ(CloseCountingProgram(), 0);
}

TEST_F(Timers, AMessageBoxsLoopHandsTimersOn) {
    ticks = 0;
    boxAnswer = 0;
    testing::StartProgram(CountingProgram);
    testing::WaitUntilIdle();
    testing::LeaveMessageBoxOpen();
    testing::Press(10, 10);
    testing::WaitUntilIdle();
    testing::PassTime(1000);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(boxAnswer, 0) << "the box is still open";
    testing::Key(VK_ESCAPE);
    testing::WaitUntilIdle();
    EXPECT_EQ(boxAnswer, IDNO);
    EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{"dab: Keep it?"});
    EXPECT_EQ(CloseCountingProgram(), 0);
}

TEST(TimersOnTheRealClock, AWaitingProgramWakesByItselfWhenItsTimerIsDue) {
    testing::UseScreen(100, 80);
    ticks = 0;
    auto start = std::chrono::steady_clock::now();
    testing::StartProgram([] {
        RegisterWindowClass("Counting", Counting);
        HWND w = MakeWindow("Counting");
        counting = w;
        SetTimer(w, 1, 50, nullptr);
        MSG m;
        while (GetMessageA(&m, nullptr, 0, 0)) {
            if (m.message == WM_TIMER) KillTimer(w, 1);
            DispatchMessageA(&m);
        }
        return int(m.wParam);
    });
    // Nothing but the timer's own due time wakes the program.
    while (ticks == 0 && std::chrono::steady_clock::now() - start < std::chrono::seconds(10))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_EQ(ticks, 1);
    EXPECT_GE(waited.count(), 50);
    EXPECT_EQ(CloseCountingProgram(), 0);
}

}  // namespace
