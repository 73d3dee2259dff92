// What drawing changed on the screen surface since the display last showed it: the display uploads only
// that, and shows nothing when nothing changed.
#pragma once

#include <cstdint>

#include "dc.h"

namespace gdi {

// Marks [left, right) × [top, bottom) (surface pixels) as drawn through dc, clipped to the DC's clip
// bounds; drawing on a memory DC or a printer page marks nothing.
void MarkDrawn(const DeviceContext& dc, int64_t left, int64_t top, int64_t right, int64_t bottom);
// Marks box of the screen surface itself, as a resize of the screen does.
void MarkScreen(const Box& box);

namespace damage_detail {
// The calls on the screen the hook has not heard of yet: single pixels set or read are told a few at a
// time, and all the calls inside a OneScreenCall as one when it ends.
struct Untold {
    int64_t calls = 0, pixels = 0;
    int64_t most;
};
extern Untold untold;
extern Box damage;
void MarkPixel(int x, int y);
void Called(int64_t pixels);
}  // namespace damage_detail

// Marks one pixel known to lie on the screen surface: the per-pixel calls of an effect come millions at a
// time, most of them inside what they marked already.
inline void MarkScreenPixel(int x, int y) {
    using namespace damage_detail;
    if (untold.calls + 1 < untold.most && x >= damage.left && x < damage.right && y >= damage.top &&
        y < damage.bottom) {
        untold.calls++;
        untold.pixels++;
    } else {
        MarkPixel(x, y);
    }
}
// A pixel of the screen surface was read: reading the screen back costs the display a call too.
inline void NoteScreenRead() {
    using namespace damage_detail;
    if (untold.calls + 1 < untold.most)
        untold.calls++;
    else
        Called(0);
}
// Marks a rectangle drawn through a DC when the drawing ends, on every way out of it: the mark may show
// the screen, so it comes after the pixels.
class MarkWhenDone {
public:
    MarkWhenDone(const DeviceContext& dc, int64_t left, int64_t top, int64_t right, int64_t bottom)
        : dc_(dc), left_(left), top_(top), right_(right), bottom_(bottom) {}
    ~MarkWhenDone() { MarkDrawn(dc_, left_, top_, right_, bottom_); }
    MarkWhenDone(const MarkWhenDone&) = delete;
    MarkWhenDone& operator=(const MarkWhenDone&) = delete;

private:
    const DeviceContext& dc_;
    int64_t left_, top_, right_, bottom_;
};

// The calls on the screen made while one lives count as one call, with all their pixels, when the last one
// ends: an icon the window system draws a pixel at a time is one drawing.
class OneScreenCall {
public:
    OneScreenCall();
    ~OneScreenCall();
    OneScreenCall(const OneScreenCall&) = delete;
    OneScreenCall& operator=(const OneScreenCall&) = delete;
};

// The union of what was marked since the last take, then nothing.
Box TakeScreenDamage();
// Hears of the calls on the screen and the pixels they marked (none for a read), so that the window system
// can pace a long drawing: each call that marks more than a pixel at once, single pixels a few calls at a
// time. Gives the hook it replaces.
using ScreenDrawnHook = void (*)(int64_t calls, int64_t pixels);
ScreenDrawnHook SetScreenDrawnHook(ScreenDrawnHook hook);
// Tells the hook of the calls it has not heard of yet: the thread is about to wait.
void TellScreenCalls();

}  // namespace gdi
