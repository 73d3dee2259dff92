#include "base/frame_requests.h"

#include "base/state.h"

LRESULT AskFrame(FrameRequest request, WPARAM wParam, LPARAM lParam, HWND frame) {
    return SendMessageA(frame ? frame : frameWindow, request, wParam, lParam);
}
