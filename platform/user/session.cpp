#include "session.h"

#include <vector>

#include "window.h"

namespace user {

void TellWindowsSessionEnds() {
    // Hidden windows hear it too; those destroyed while it is told hear no more.
    std::vector<HWND> windows;
    for (Window* w : TopLevelWindows()) windows.push_back(w->handle);
    for (HWND w : windows) SendMessageA(w, WM_QUERYENDSESSION, 0, 0);
    for (HWND w : windows) SendMessageA(w, WM_ENDSESSION, TRUE, 0);
}

}  // namespace user
