// Creating, showing and destroying windows, and the default window procedure.
#include <algorithm>
#include <cstring>

#include "input.h"
#include "platform/backend/display.h"
#include "queue.h"
#include "timers.h"
#include "window.h"

namespace user {

namespace {

Window& Desktop() {
    static Window desktop;
    return desktop;
}

void InvalidateWithChildren(Window* w) {
    ForEachWindow([&](Window* each) {
        for (Window* a = each; a; a = a->parent) {
            if (a != w) continue;
            AddToUpdate(each, ToBox(each->rect));
            each->erase = true;
            break;
        }
    });
}

// The window and its descendants, parents before children, all marked as going.
void MarkForDestruction(Window* w, std::vector<HWND>& order) {
    w->destroying = true;
    order.push_back(w->handle);
    for (Window* c : w->children) MarkForDestruction(c, order);
}

// Children first, each hearing WM_NCDESTROY. A window procedure may destroy other windows meanwhile, even
// an ancestor, so every step looks the windows up again by handle.
void Remove(HWND handle) {
    Window* w = FindWindow(handle);
    if (!w || w->removing) return;
    w->removing = true;
    std::vector<HWND> children;
    for (Window* c : w->children) children.push_back(c->handle);
    for (auto it = children.rbegin(); it != children.rend(); ++it) Remove(*it);
    SendMessageA(handle, WM_NCDESTROY, 0, 0);
    ForgetWindow(handle);
    KillTimersOf(handle);
    RemoveLiveHandle(handle);
    if ((w = FindWindow(handle))) RemoveWindow(w);
}

}  // namespace

}  // namespace user

using namespace user;

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                            int height, HWND parentHandle, HMENU menu, HINSTANCE instance, LPVOID param) {
    const WindowClass* c = FindClass(className);
    if (!c) return nullptr;
    Window* parent = FindWindow(parentHandle);
    if ((style & WS_CHILD) && !parent) return nullptr;
    if (x == CW_USEDEFAULT) x = 0;
    if (y == CW_USEDEFAULT) y = 0;
    if (width == CW_USEDEFAULT) width = gdi::ScreenSurface().width;
    if (height == CW_USEDEFAULT) height = gdi::ScreenSurface().height;
    Window* w = NewWindow();
    w->windowClass = c;
    w->proc = c->info.lpfnWndProc;
    w->style = style;
    w->title = windowName ? windowName : "";
    POINT origin{0, 0};
    if (parent && (style & WS_CHILD)) origin = {parent->client().left, parent->client().top};
    w->rect = {origin.x + x, origin.y + y, origin.x + x + width, origin.y + y + height};
    w->parent = (style & WS_CHILD) ? parent : nullptr;
    if (w->parent)
        w->parent->children.push_back(w);
    else
        const_cast<std::vector<Window*>&>(TopLevelWindows()).push_back(w);
    AddLiveHandle(w->handle);
    HWND handle = w->handle;
    CREATESTRUCTA create{param, instance, menu, parentHandle, height, width, y, x, LONG(style), windowName, className,
                         exStyle};
    if (!SendMessageA(handle, WM_NCCREATE, 0, LPARAM(&create)) ||
        SendMessageA(handle, WM_CREATE, 0, LPARAM(&create)) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    if (!FindWindow(handle)) return nullptr;
    if (style & WS_VISIBLE) ShowWindow(handle, SW_SHOW);
    return handle;
}

BOOL WINAPI DestroyWindow(HWND window) {
    Window* w = FindWindow(window);
    if (!w || w->destroying) return FALSE;
    bool wasShown = IsShown(w);
    RECT area = w->rect;
    w->visible = false;
    std::vector<HWND> order;
    MarkForDestruction(w, order);
    // Each hears WM_DESTROY while its children still exist; a procedure may destroy other windows meanwhile.
    for (HWND h : order)
        if (FindWindow(h)) SendMessageA(h, WM_DESTROY, 0, 0);
    Remove(window);
    if (wasShown) InvalidateScreenArea(ToBox(area));
    return TRUE;
}

BOOL WINAPI ShowWindow(HWND window, int command) {
    Window* w = FindWindow(window);
    if (!w) return FALSE;
    bool was = w->visible;
    if (command == SW_HIDE) {
        if (was) {
            w->visible = false;
            // What lay beneath shows again.
            InvalidateScreenArea(ToBox(w->rect));
        }
        return was;
    }
    if (!was) {
        w->visible = true;
        InvalidateWithChildren(w);
        if (!w->parent && !GetFocus()) SetFocus(window);
    }
    return was;
}

BOOL WINAPI UpdateWindow(HWND window) {
    Window* w = FindWindow(window);
    if (!w) return FALSE;
    if (!w->update.empty() && IsShown(w)) SendMessageA(window, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL WINAPI AdjustWindowRect(LPRECT rect, DWORD style, BOOL) {
    if (!rect) return FALSE;
    int b = (style & WS_BORDER) ? 1 : 0;
    rect->left -= b;
    rect->top -= b;
    rect->right += b;
    rect->bottom += b;
    return TRUE;
}

HWND WINAPI GetDesktopWindow(void) {
    Window& desktop = Desktop();
    desktop.handle = reinterpret_cast<HWND>(uintptr_t(0x8000));
    desktop.rect = {0, 0, gdi::ScreenSurface().width, gdi::ScreenSurface().height};
    return desktop.handle;
}

BOOL WINAPI IsWindow(HWND window) { return FindWindow(window) != nullptr; }

int WINAPI GetWindowTextA(HWND window, LPSTR text, int size) {
    Window* w = FindWindow(window);
    if (!w || !text || size <= 0) return 0;
    size_t n = std::min(w->title.size(), size_t(size - 1));
    std::memcpy(text, w->title.data(), n);
    text[n] = '\0';
    return int(n);
}

BOOL WINAPI IsWindowVisible(HWND window) {
    Window* w = FindWindow(window);
    return w && IsShown(w);
}

BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
    if (!rect) return FALSE;
    if (window == GetDesktopWindow()) {
        *rect = {0, 0, gdi::ScreenSurface().width, gdi::ScreenSurface().height};
        return TRUE;
    }
    Window* w = FindWindow(window);
    if (!w) return FALSE;
    RECT c = w->client();
    *rect = {0, 0, c.right - c.left, c.bottom - c.top};
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND window, LPRECT rect) {
    if (!rect) return FALSE;
    if (window == GetDesktopWindow()) return GetClientRect(window, rect);
    Window* w = FindWindow(window);
    if (!w) return FALSE;
    *rect = w->rect;
    return TRUE;
}

HWND WINAPI GetParent(HWND window) {
    Window* w = FindWindow(window);
    return w && w->parent ? w->parent->handle : nullptr;
}

int WINAPI GetSystemMetrics(int index) {
    if (index == SM_CXSCREEN) return gdi::ScreenSurface().width;
    if (index == SM_CYSCREEN) return gdi::ScreenSurface().height;
    return 0;
}

LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = FindWindow(window);
    if (!w) return 0;
    switch (message) {
        case WM_NCCREATE: return TRUE;
        case WM_NCHITTEST: return HTCLIENT;
        case WM_CLOSE: DestroyWindow(window); return 0;
        case WM_QUERYENDSESSION: return TRUE;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) SendMessageA(window, WM_CLOSE, 0, 0);
            else if ((wParam & 0xFFF0) == SC_MINIMIZE && !w->parent) backend::Minimize();
            return 0;
        case WM_ERASEBKGND: {
            HBRUSH brush = w->windowClass->info.hbrBackground;
            if (!brush) return 0;
            RECT client;
            GetClientRect(window, &client);
            FillRect(HDC(wParam), &client, brush);
            return 1;
        }
        case WM_SETCURSOR: {
            // The parent may choose first; then the class cursor over the client area.
            if (w->parent && SendMessageA(w->parent->handle, WM_SETCURSOR, wParam, lParam)) return TRUE;
            w = FindWindow(window);  // the parent may have destroyed it meanwhile
            if (w && LOWORD(lParam) == HTCLIENT && w->windowClass->info.hCursor) {
                SetCursor(w->windowClass->info.hCursor);
                return TRUE;
            }
            return FALSE;
        }
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        }
        default: return 0;
    }
}

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (!rect) return FALSE;
    *rect = {left, top, right, bottom};
    return TRUE;
}

BOOL WINAPI PtInRect(const RECT* rect, POINT point) {
    return rect && point.x >= rect->left && point.x < rect->right && point.y >= rect->top && point.y < rect->bottom;
}
