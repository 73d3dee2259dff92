// A small program, not dab, for the end-of-session smoke test: one window covering the screen with a timer
// of a second, writing each message of the session's end, each close and each timer to the file named by
// DAB_SESSION_LOG, and how it ended.
#include <cstdio>
#include <cstdlib>

#include "platform/win32.h"

namespace {

FILE* sessionLog = nullptr;

// One line a message, on disk at once: the process may be gone a moment later.
void Note(const char* what, WPARAM wParam, LPARAM lParam) {
    std::fprintf(sessionLog, "%s %lu %ld\n", what, static_cast<unsigned long>(wParam), static_cast<long>(lParam));
    std::fflush(sessionLog);
}

LRESULT CALLBACK SessionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(window, &ps);
            EndPaint(window, &ps);
            Note("WM_PAINT", 0, 0);
            return 0;
        }
        case WM_TIMER: Note("WM_TIMER", wParam, lParam); return 0;
        case WM_QUERYENDSESSION: Note("WM_QUERYENDSESSION", wParam, lParam); break;
        case WM_ENDSESSION: Note("WM_ENDSESSION", wParam, lParam); return 0;
        case WM_SYSCOMMAND: Note("WM_SYSCOMMAND", wParam, lParam); break;
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    const char* path = std::getenv("DAB_SESSION_LOG");
    sessionLog = path ? std::fopen(path, "w") : nullptr;
    if (!sessionLog) return 2;
    WNDCLASSA c{};
    c.lpfnWndProc = SessionProc;
    c.hInstance = instance;
    c.hbrBackground = HBRUSH(GetStockObject(WHITE_BRUSH));
    c.lpszClassName = "Session";
    if (!RegisterClassA(&c)) return 3;
    HWND w = CreateWindowExA(0, "Session", "session", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                             GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    if (!w) return 3;
    ShowWindow(w, show);
    SetTimer(w, 1, 1000, nullptr);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    Note("end", m.wParam, 0);
    return int(m.wParam);
}
