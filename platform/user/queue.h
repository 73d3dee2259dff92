// The message queue of the one user-interface thread: posted messages, input, quitting.
#pragma once

#include "platform/win32.h"

namespace user {

// Handles that PostMessageA may address from any thread.
void AddLiveHandle(HWND window);
void RemoveLiveHandle(HWND window);

}  // namespace user
