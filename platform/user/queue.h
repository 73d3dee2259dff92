// The message queue of the one user-interface thread: posted messages, input, quitting.
#pragma once

#include "platform/backend/display.h"
#include "platform/win32.h"

namespace user {

// Handles that PostMessageA may address from any thread.
void AddLiveHandle(HWND window);
void RemoveLiveHandle(HWND window);

// For modal loops that read input themselves: the next posted message, paint or timer, leaving input and
// quitting queued; and the next raw input event, waiting up to timeoutMs.
bool TakeMessageOtherThanInput(MSG& message);
bool TakeInputEvent(backend::InputEvent& event, int timeoutMs);
// Before a wait for input: shows the screen when it is due, and gives how long the thread may wait before
// the screen or a timer of that GetMessageA filter needs it (-1: until input comes).
int WaitBeforeNext(HWND window, UINT first, UINT last);
// From the moment the end of the session arrives until the loop it ends has taken its WM_QUIT.
bool SessionEnding();

}  // namespace user
