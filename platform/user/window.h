// The window tree: classes, windows and their geometry on the screen, in screen coordinates.
#pragma once

#include <string>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/win32.h"

namespace user {

struct WindowClass {
    std::string name;
    WNDCLASSA info;
};

struct Window {
    HWND handle = nullptr;
    const WindowClass* windowClass = nullptr;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    std::string title;
    Window* parent = nullptr;
    std::vector<Window*> children;  // in creation order: later ones lie above
    RECT rect{};                    // the whole window, screen coordinates
    bool visible = false;
    bool destroying = false;
    bool removing = false;
    std::vector<gdi::Box> update;   // the update region, screen coordinates
    bool erase = false;             // the update region still needs its background

    int border() const { return (style & WS_BORDER) ? 1 : 0; }
    RECT client() const {
        int b = border();
        return {rect.left + b, rect.top + b, rect.right - b, rect.bottom - b};
    }
};

const WindowClass* FindClass(const char* name);
Window* FindWindow(HWND handle);
// The windows without a parent, in creation order.
const std::vector<Window*>& TopLevelWindows();
Window* NewWindow();
// Frees a window; children still there (being removed by a call further out) lose their parent.
void RemoveWindow(Window* window);

// Visible when it and every ancestor are shown.
bool IsShown(const Window* window);
// The part of the screen a window's client DC may draw on: its client area cut by its ancestors'.
gdi::Box ClientClip(const Window* window);
// The topmost shown window whose area holds the screen point, children above their parent.
Window* WindowAt(POINT screen);
// Adds a screen box to a window's update region. A region of many boxes becomes their bounding box, so
// that a window invalidated again and again while hidden keeps a small region.
void AddToUpdate(Window* window, const gdi::Box& box);
// Adds the screen box to the update region of every shown window it touches, with erasing.
void InvalidateScreenArea(const gdi::Box& area);
// Calls f for every window, parents before their children.
template <typename F>
void ForEachWindow(F f) {
    std::vector<Window*> stack(TopLevelWindows().rbegin(), TopLevelWindows().rend());
    while (!stack.empty()) {
        Window* w = stack.back();
        stack.pop_back();
        f(w);
        for (auto it = w->children.rbegin(); it != w->children.rend(); ++it) stack.push_back(*it);
    }
}

gdi::Box ToBox(const RECT& r);
RECT ToRect(const gdi::Box& b);

}  // namespace user
