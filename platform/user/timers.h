// Window timers (SetTimer, KillTimer). A timer queues nothing: the queue makes a WM_TIMER only when it has
// nothing else to give, so however long the thread was busy, a timer has at most one WM_TIMER waiting.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace user {

// The WM_TIMER of the earliest due timer (of that window, or of any when null); taking it (remove)
// starts the timer's next period.
bool TakeTimer(MSG& message, HWND window, bool remove);
// Tick milliseconds until a timer (of that window, or of any when null) is due: 0 when one is, -1 when
// there is none.
int64_t MillisecondsToNextTimer(HWND window);
// A window that goes takes its timers with it.
void KillTimersOf(HWND window);

}  // namespace user
