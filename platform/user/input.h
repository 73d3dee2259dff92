// Turning backend input into window messages: routing to the captured window or the one under the
// mouse, WM_SETCURSOR on the way, keys to the focus window.
#pragma once

#include "platform/backend/display.h"
#include "platform/win32.h"

namespace user {

// The message an input event becomes at the moment it is taken from the queue; false when it becomes none.
// Desktop events (a close request, lost focus, exposure) are acted on here and also become none or a
// WM_SYSCOMMAND.
bool MessageFromInput(const backend::InputEvent& event, MSG& message);
// The character a WM_KEYDOWN made here types, or 0.
char CharOfKeyDown(const MSG& message);
// Forgets capture and focus held by a window that is going away.
void ForgetWindow(HWND window);

}  // namespace user
