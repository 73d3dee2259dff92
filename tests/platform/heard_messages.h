// The messages a test's window procedures heard, in order, for the tests of the message loop to compare.
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
