#include "damage.h"

#include <algorithm>
#include <cstdint>

namespace gdi {

namespace {

// Single-pixel calls told to the hook together.
constexpr int64_t kMostUntold = 16;

ScreenDrawnHook drawnHook = nullptr;
int callDepth = 0;

void AddDamage(const Box& b) {
    Box& d = damage_detail::damage;
    if (d.empty()) {
        d = b;
    } else {
        d.left = std::min(d.left, b.left);
        d.top = std::min(d.top, b.top);
        d.right = std::max(d.right, b.right);
        d.bottom = std::max(d.bottom, b.bottom);
    }
    damage_detail::Called(int64_t(b.right - b.left) * (b.bottom - b.top));
}

}  // namespace

namespace damage_detail {

Untold untold{0, 0, kMostUntold};
Box damage;

void Called(int64_t pixels) {
    untold.calls++;
    untold.pixels += pixels;
    if (untold.calls >= untold.most || (pixels > 1 && callDepth == 0)) TellScreenCalls();
}

void MarkPixel(int x, int y) { AddDamage({x, y, x + 1, y + 1}); }

}  // namespace damage_detail

void MarkScreen(const Box& box) {
    const Surface& screen = ScreenSurface();
    Box b = Intersect(box, Box{0, 0, screen.width, screen.height});
    if (!b.empty()) AddDamage(b);
}

void MarkDrawn(const DeviceContext& dc, int64_t left, int64_t top, int64_t right, int64_t bottom) {
    if (dc.surface != &ScreenSurface() || left >= right || top >= bottom) return;
    Box clip = ClipBounds(dc);
    // Clipped in 64 bits first: a blit's rectangle may lie far outside any surface.
    Box box{int(std::clamp<int64_t>(left, clip.left, clip.right)), int(std::clamp<int64_t>(top, clip.top, clip.bottom)),
            int(std::clamp<int64_t>(right, clip.left, clip.right)), int(std::clamp<int64_t>(bottom, clip.top, clip.bottom))};
    MarkScreen(box);
}

void TellScreenCalls() {
    damage_detail::Untold& u = damage_detail::untold;
    if (u.calls == 0) return;
    int64_t calls = u.calls, pixels = u.pixels;
    u.calls = u.pixels = 0;
    if (drawnHook) drawnHook(calls, pixels);
}

OneScreenCall::OneScreenCall() {
    if (callDepth++ > 0) return;
    TellScreenCalls();
    damage_detail::untold.most = INT64_MAX;
}

OneScreenCall::~OneScreenCall() {
    if (--callDepth > 0) return;
    damage_detail::Untold& u = damage_detail::untold;
    u.most = kMostUntold;
    if (u.calls == 0) return;
    int64_t pixels = u.pixels;
    u.calls = u.pixels = 0;
    if (drawnHook) drawnHook(1, pixels);
}

Box TakeScreenDamage() {
    Box taken = damage_detail::damage;
    damage_detail::damage = Box{};
    return taken;
}

ScreenDrawnHook SetScreenDrawnHook(ScreenDrawnHook hook) {
    ScreenDrawnHook replaced = drawnHook;
    drawnHook = hook;
    return replaced;
}

}  // namespace gdi
