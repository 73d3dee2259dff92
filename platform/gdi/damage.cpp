#include "damage.h"

#include <algorithm>

namespace gdi {

namespace {

Box& Damage() {
    static Box damage;
    return damage;
}

ScreenDrawnHook drawnHook = nullptr;

// Calls inside a OneScreenCall: how deep, and what they marked.
int callDepth = 0;
bool calledInside = false;
int64_t pixelsInside = 0;

void Called(int64_t pixels) {
    if (callDepth > 0) {
        calledInside = true;
        pixelsInside += pixels;
    } else if (drawnHook) {
        drawnHook(pixels);
    }
}

void AddDamage(const Box& b) {
    Box& d = Damage();
    if (d.empty()) {
        d = b;
    } else {
        d.left = std::min(d.left, b.left);
        d.top = std::min(d.top, b.top);
        d.right = std::max(d.right, b.right);
        d.bottom = std::max(d.bottom, b.bottom);
    }
    Called(int64_t(b.right - b.left) * (b.bottom - b.top));
}

}  // namespace

void MarkScreen(const Box& box) {
    const Surface& screen = ScreenSurface();
    Box b = Intersect(box, Box{0, 0, screen.width, screen.height});
    if (!b.empty()) AddDamage(b);
}

void MarkScreenPixel(int x, int y) {
    // Most pixels of an effect fall inside what it already marked.
    const Box& d = Damage();
    if (x >= d.left && x < d.right && y >= d.top && y < d.bottom)
        Called(1);
    else
        AddDamage({x, y, x + 1, y + 1});
}

void NoteScreenRead() { Called(0); }

void MarkDrawn(const DeviceContext& dc, int64_t left, int64_t top, int64_t right, int64_t bottom) {
    if (dc.surface != &ScreenSurface() || left >= right || top >= bottom) return;
    Box clip = ClipBounds(dc);
    // Clipped in 64 bits first: a blit's rectangle may lie far outside any surface.
    Box box{int(std::clamp<int64_t>(left, clip.left, clip.right)), int(std::clamp<int64_t>(top, clip.top, clip.bottom)),
            int(std::clamp<int64_t>(right, clip.left, clip.right)), int(std::clamp<int64_t>(bottom, clip.top, clip.bottom))};
    MarkScreen(box);
}

OneScreenCall::OneScreenCall() { callDepth++; }

OneScreenCall::~OneScreenCall() {
    if (--callDepth > 0 || !calledInside) return;
    int64_t pixels = pixelsInside;
    calledInside = false;
    pixelsInside = 0;
    if (drawnHook) drawnHook(pixels);
}

Box TakeScreenDamage() {
    Box taken = Damage();
    Damage() = Box{};
    return taken;
}

ScreenDrawnHook SetScreenDrawnHook(ScreenDrawnHook hook) {
    ScreenDrawnHook replaced = drawnHook;
    drawnHook = hook;
    return replaced;
}

}  // namespace gdi
