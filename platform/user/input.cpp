#include "input.h"

#include "window.h"

namespace user {

namespace {

HWND& Capture() {
    static HWND capture = nullptr;
    return capture;
}

HWND& Focus() {
    static HWND focus = nullptr;
    return focus;
}

// Client coordinates as two signed 16-bit halves, negative to the left of and above the client area.
LPARAM ClientPoint(const Window* w, int x, int y) {
    RECT c = w->client();
    return MAKELPARAM(WORD(short(x - c.left)), WORD(short(y - c.top)));
}

Window* FirstTopLevel() {
    for (Window* w : TopLevelWindows())
        if (w->visible) return w;
    return nullptr;
}

UINT MouseMessage(backend::InputEvent::Kind kind) {
    switch (kind) {
        case backend::InputEvent::LeftDown: return WM_LBUTTONDOWN;
        case backend::InputEvent::LeftUp: return WM_LBUTTONUP;
        case backend::InputEvent::RightDown: return WM_RBUTTONDOWN;
        case backend::InputEvent::RightUp: return WM_RBUTTONUP;
        default: return WM_MOUSEMOVE;
    }
}

WPARAM& ButtonState() {
    static WPARAM state = 0;
    return state;
}

}  // namespace

bool MessageFromInput(const backend::InputEvent& event, MSG& message) {
    using Kind = backend::InputEvent::Kind;
    message = MSG{};
    message.pt = {event.x, event.y};
    switch (event.kind) {
        case Kind::MouseMove:
        case Kind::LeftDown:
        case Kind::LeftUp:
        case Kind::RightDown:
        case Kind::RightUp: {
            UINT id = MouseMessage(event.kind);
            WPARAM& buttons = ButtonState();
            if (id == WM_LBUTTONDOWN) buttons |= MK_LBUTTON;
            if (id == WM_LBUTTONUP) buttons &= ~WPARAM(MK_LBUTTON);
            if (id == WM_RBUTTONDOWN) buttons |= MK_RBUTTON;
            if (id == WM_RBUTTONUP) buttons &= ~WPARAM(MK_RBUTTON);
            Window* target = FindWindow(Capture());
            if (!target) {
                target = WindowAt({event.x, event.y});
                if (!target) return false;
                // The window under the mouse chooses the cursor before it hears of the mouse; it may be gone after.
                HWND under = target->handle;
                SendMessageA(under, WM_SETCURSOR, WPARAM(under), MAKELPARAM(HTCLIENT, id));
                target = FindWindow(under);
                if (!target) return false;
            }
            message.hwnd = target->handle;
            message.message = id;
            message.wParam = buttons;
            message.lParam = ClientPoint(target, event.x, event.y);
            return true;
        }
        case Kind::KeyDown:
        case Kind::Char: {
            Window* target = FindWindow(Focus());
            if (!target) target = FirstTopLevel();
            if (!target) return false;
            message.hwnd = target->handle;
            message.message = WM_KEYDOWN;
            if (event.kind == Kind::Char) {
                // The typed character rides in the scan-code bits, for TranslateMessage to turn into WM_CHAR.
                char c = event.character;
                bool letter = (c >= 'a' && c <= 'z');
                message.wParam = WPARAM(letter ? c - 'a' + 'A' : uint8_t(c));
                message.lParam = 1 | (LPARAM(uint8_t(c)) << 16);
            } else {
                message.wParam = WPARAM(event.key);
                char c = event.key == VK_RETURN ? '\r' : event.key == VK_ESCAPE ? 0x1B
                       : event.key == VK_BACK ? 0x08 : event.key == VK_TAB ? '\t' : 0;
                message.lParam = 1 | (LPARAM(uint8_t(c)) << 16);
            }
            return true;
        }
        case Kind::CloseRequest:
        case Kind::FocusLost: {
            Window* frame = FirstTopLevel();
            if (!frame) return false;
            message.hwnd = frame->handle;
            message.message = WM_SYSCOMMAND;
            message.wParam = event.kind == Kind::CloseRequest ? SC_CLOSE : SC_MINIMIZE;
            return true;
        }
        case Kind::Exposed: {
            gdi::Surface& screen = gdi::ScreenSurface();
            InvalidateScreenArea({0, 0, screen.width, screen.height});
            return false;
        }
        // The queue takes it as it arrives, before any input (messages.cpp).
        case Kind::EndSession: return false;
    }
    return false;
}

char CharOfKeyDown(const MSG& message) { return char((message.lParam >> 16) & 0xFF); }

void ForgetWindow(HWND window) {
    if (Capture() == window) Capture() = nullptr;
    if (Focus() == window) Focus() = nullptr;
}

}  // namespace user

using namespace user;

HWND WINAPI SetCapture(HWND window) {
    HWND previous = Capture();
    if (FindWindow(window)) Capture() = window;
    return previous;
}

BOOL WINAPI ReleaseCapture(void) {
    Capture() = nullptr;
    return TRUE;
}

HWND WINAPI GetCapture(void) { return Capture(); }

HWND WINAPI SetFocus(HWND window) {
    HWND previous = Focus();
    if (window && !FindWindow(window)) return nullptr;
    if (previous == window) return previous;
    Focus() = window;
    if (previous) SendMessageA(previous, WM_KILLFOCUS, WPARAM(window), 0);
    if (window) SendMessageA(window, WM_SETFOCUS, WPARAM(previous), 0);
    return previous;
}

HWND WINAPI GetFocus(void) { return Focus(); }
