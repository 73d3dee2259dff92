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
// Marks one pixel known to lie on the screen surface: the per-pixel calls of an effect come millions at a
// time.
void MarkScreenPixel(int x, int y);
// A pixel of the screen surface was read: reading the screen back costs the display a call too.
void NoteScreenRead();
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
// Called after each call on the screen with the pixels it marked (none for a read), so that the window
// system can pace a long drawing. Gives the hook it replaces.
using ScreenDrawnHook = void (*)(int64_t pixels);
ScreenDrawnHook SetScreenDrawnHook(ScreenDrawnHook hook);

}  // namespace gdi
