// The seam to the outside world for the window system: a screen to show, a cursor, input events.
// Each backend implements these; everything with Windows semantics stays above them.
#pragma once

#include <cstdint>

namespace backend {

struct InputEvent {
    // CloseRequest: the window's close (its button, Alt+F4); EndSession: the desktop session ends (a logout).
    enum Kind {
        MouseMove, LeftDown, LeftUp, RightDown, RightUp, KeyDown, Char, CloseRequest, FocusLost, Exposed, EndSession
    };
    Kind kind = MouseMove;
    int x = 0, y = 0;    // screen point of mouse events
    int key = 0;         // virtual key of KeyDown
    char character = 0;  // Char: one typed character
};

// A monochrome cursor: where AND is 1 the screen shows through, XORed with the XOR bit.
struct CursorImage {
    int width = 32, height = 32;
    int hotX = 0, hotY = 0;
    uint8_t andMask[128] = {};  // rows of 4 bytes, bit 7 leftmost
    uint8_t xorMask[128] = {};
};

// Opens the display and sizes the screen surface to the logical screen; false when there is none.
bool OpenDisplay();
// Shows [left, right) × [top, bottom) of the screen surface as it is now; the rest of the display keeps
// what it showed.
void Present(int left, int top, int right, int bottom);
// Microseconds between two refreshes of the display; 0 where nobody watches, and nothing need wait.
int64_t RefreshMicroseconds();
// The next input event, waiting up to timeoutMs for one (0: no wait, negative: until one comes or Wake).
bool NextEvent(InputEvent& event, int timeoutMs);
// Ends a NextEvent that is waiting; safe from any thread.
void Wake();
// Puts the program's display out of the way (WM_SYSCOMMAND with SC_MINIMIZE); it comes back exposed.
void Minimize();
// The cursor shown over the screen; nullptr hides it.
void ShowCursorImage(const CursorImage* image);

}  // namespace backend
