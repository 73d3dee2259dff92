#include "timers.h"

#include <algorithm>
#include <vector>

#include "platform/kernel/settable_clock.h"
#include "window.h"

namespace user {

namespace {

struct Timer {
    HWND window;
    UINT_PTR id;
    int64_t period;  // tick milliseconds
    int64_t due;     // tick milliseconds
};

// The thread's timers; only its own thread sets, kills and takes them.
std::vector<Timer>& Timers() {
    static std::vector<Timer> timers;
    return timers;
}

std::vector<Timer>::iterator Find(HWND window, UINT_PTR id) {
    auto& timers = Timers();
    return std::find_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.window == window && t.id == id; });
}

Timer* Earliest(HWND window) {
    Timer* earliest = nullptr;
    for (Timer& t : Timers())
        if ((!window || t.window == window) && (!earliest || t.due < earliest->due)) earliest = &t;
    return earliest;
}

}  // namespace

bool TakeTimer(MSG& message, HWND window, bool remove) {
    Timer* t = Earliest(window);
    int64_t now = kernel::TickMilliseconds();
    if (!t || t->due > now) return false;
    message = MSG{t->window, WM_TIMER, WPARAM(t->id), 0, DWORD(now), {}};
    // The next period keeps the timer's rhythm; the periods missed meanwhile make no message.
    if (remove) t->due += (now - t->due) / t->period * t->period + t->period;
    return true;
}

int64_t MillisecondsToNextTimer(HWND window) {
    const Timer* t = Earliest(window);
    if (!t) return -1;
    return std::max<int64_t>(0, t->due - kernel::TickMilliseconds());
}

void KillTimersOf(HWND window) {
    auto& timers = Timers();
    timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.window == window; }),
                 timers.end());
}

}  // namespace user

using namespace user;

// Only timers whose WM_TIMER goes to a window procedure: the program sets no thread timers and no timer
// procedures.
UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapseMilliseconds, TIMERPROC timerProc) {
    if (!FindWindow(window) || timerProc) return 0;
    int64_t period = std::clamp<int64_t>(elapseMilliseconds, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
    Timer timer{window, id, period, kernel::TickMilliseconds() + period};
    // The same id again starts the timer afresh.
    auto same = Find(window, id);
    if (same != Timers().end())
        *same = timer;
    else
        Timers().push_back(timer);
    return id ? id : 1;
}

BOOL WINAPI KillTimer(HWND window, UINT_PTR id) {
    auto it = Find(window, id);
    if (it == Timers().end()) return FALSE;
    Timers().erase(it);
    return TRUE;
}
