// The message queue of the one user-interface thread: posted messages, input, quitting.
#pragma once

#include "platform/backend/display.h"
#include "platform/win32.h"

namespace user {

// Handles that PostMessageA may address from any thread.
void AddLiveHandle(HWND window);
void RemoveLiveHandle(HWND window);

// For modal loops that read input themselves: the next posted message or paint, leaving input and
// quitting queued; and the next raw input event, waiting up to timeoutMs.
bool TakeMessageOtherThanInput(MSG& message);
bool TakeInputEvent(backend::InputEvent& event, int timeoutMs);

}  // namespace user
