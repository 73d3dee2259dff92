// Update regions and the DCs of windows: BeginPaint erases with the class brush and draws only inside the
// update region; GetDC draws anywhere in the client area, nothing while the window is hidden.
#include <algorithm>

#include "window.h"

namespace user {

namespace {

// The boxes of a region less one box.
std::vector<gdi::Box> Subtract(const std::vector<gdi::Box>& region, const gdi::Box& cut) {
    std::vector<gdi::Box> out;
    for (const gdi::Box& b : region) {
        gdi::Box i = gdi::Intersect(b, cut);
        if (i.empty()) {
            out.push_back(b);
            continue;
        }
        if (b.top < i.top) out.push_back({b.left, b.top, b.right, i.top});
        if (i.bottom < b.bottom) out.push_back({b.left, i.bottom, b.right, b.bottom});
        if (b.left < i.left) out.push_back({b.left, i.top, i.left, i.bottom});
        if (i.right < b.right) out.push_back({i.right, i.top, b.right, i.bottom});
    }
    return out;
}

// A client rectangle given to InvalidateRect or ValidateRect, in screen coordinates; the whole window for none.
gdi::Box ScreenArea(const Window* w, const RECT* rect) {
    if (!rect) return ToBox(w->rect);
    RECT c = w->client();
    return {c.left + rect->left, c.top + rect->top, c.left + rect->right, c.top + rect->bottom};
}

// The one-pixel black frame of a WS_BORDER window, drawn where its parent's client area allows.
void DrawBorder(const Window* w) {
    if (!w->border()) return;
    gdi::Surface& screen = gdi::ScreenSurface();
    gdi::Box clip{0, 0, screen.width, screen.height};
    if (w->parent) clip = ClientClip(w->parent);
    HDC dc = gdi::CreateScreenDc({0, 0}, {clip});
    HBRUSH black = HBRUSH(GetStockObject(BLACK_BRUSH));
    const RECT& r = w->rect;
    RECT sides[4] = {{r.left, r.top, r.right, r.top + 1},
                     {r.left, r.bottom - 1, r.right, r.bottom},
                     {r.left, r.top, r.left + 1, r.bottom},
                     {r.right - 1, r.top, r.right, r.bottom}};
    for (const RECT& side : sides) FillRect(dc, &side, black);
    DeleteDC(dc);
}

}  // namespace

}  // namespace user

using namespace user;

BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    if (!window) {
        gdi::Surface& screen = gdi::ScreenSurface();
        InvalidateScreenArea({0, 0, screen.width, screen.height});
        return TRUE;
    }
    Window* w = FindWindow(window);
    if (!w) return FALSE;
    gdi::Box area = gdi::Intersect(ScreenArea(w, rect), ToBox(w->rect));
    AddToUpdate(w, area);
    if (erase) w->erase = true;
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND window, const RECT* rect) {
    Window* w = FindWindow(window);
    if (!w) return FALSE;
    if (!rect) {
        w->update.clear();
        w->erase = false;
        return TRUE;
    }
    w->update = Subtract(w->update, ScreenArea(w, rect));
    if (w->update.empty()) w->erase = false;
    return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND window, LPRECT rect, BOOL) {
    Window* w = FindWindow(window);
    if (!w) return FALSE;
    gdi::Box client = ClientClip(w);
    gdi::Box bounds{};
    for (const gdi::Box& b : w->update) {
        gdi::Box part = gdi::Intersect(b, client);
        if (!part.empty()) bounds = bounds.empty() ? part : gdi::BoundsOf({bounds, part});
    }
    if (rect) {
        RECT c = w->client();
        *rect = bounds.empty() ? RECT{}
                               : RECT{bounds.left - c.left, bounds.top - c.top, bounds.right - c.left, bounds.bottom - c.top};
    }
    return !bounds.empty();
}

HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint) {
    Window* w = FindWindow(window);
    if (!w || !paint) return nullptr;
    *paint = PAINTSTRUCT{};
    DrawBorder(w);
    gdi::Box client = ClientClip(w);
    std::vector<gdi::Box> clip;
    gdi::Box bounds{};
    for (const gdi::Box& b : w->update) {
        gdi::Box part = gdi::Intersect(b, client);
        if (part.empty()) continue;
        clip.push_back(part);
        bounds = bounds.empty() ? part : gdi::BoundsOf({bounds, part});
    }
    bool erase = w->erase;
    w->update.clear();
    w->erase = false;
    RECT c = w->client();
    HDC dc = gdi::CreateScreenDc({c.left, c.top}, clip);
    paint->hdc = dc;
    if (!bounds.empty())
        paint->rcPaint = {bounds.left - c.left, bounds.top - c.top, bounds.right - c.left, bounds.bottom - c.top};
    paint->fErase = erase && !SendMessageA(window, WM_ERASEBKGND, WPARAM(dc), 0);
    return dc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* paint) {
    if (!paint) return FALSE;
    DeleteDC(paint->hdc);
    return TRUE;
}

HDC WINAPI GetDC(HWND window) {
    gdi::Surface& screen = gdi::ScreenSurface();
    if (!window || window == GetDesktopWindow()) return gdi::CreateScreenDc({0, 0}, {gdi::Box{0, 0, screen.width, screen.height}});
    Window* w = FindWindow(window);
    if (!w) return nullptr;
    RECT c = w->client();
    gdi::Box clip = ClientClip(w);
    return gdi::CreateScreenDc({c.left, c.top}, clip.empty() ? std::vector<gdi::Box>{} : std::vector<gdi::Box>{clip});
}

int WINAPI ReleaseDC(HWND, HDC dc) {
    gdi::DeviceContext* d = gdi::FindDc(dc);
    if (!d || d->memory) return 0;
    return DeleteDC(dc);
}
