// The messages a test's window procedures heard, in order, for the tests of the message loop to compare; the
// classes of those windows, and their programs' message loop.
#pragma once

#include <vector>

#include "platform/win32.h"

struct Heard {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Heard& o) const {
        return window == o.window && message == o.message && wParam == o.wParam && lParam == o.lParam;
    }
};

inline std::vector<Heard>& Log() {
    static std::vector<Heard> log;
    return log;
}

// False when the class could not be registered, as when a class of that name is registered already.
inline bool RegisterWindowClass(const char* name, WNDPROC proc, HBRUSH background = nullptr, HCURSOR cursor = nullptr) {
    WNDCLASSA c{};
    c.lpfnWndProc = proc;
    c.hbrBackground = background;
    c.hCursor = cursor;
    c.lpszClassName = name;
    return RegisterClassA(&c) != 0;
}

// A program's message loop, translating keys to characters; its exit code.
inline int RunMessageLoop() {
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return int(m.wParam);
}
