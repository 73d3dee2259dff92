#include "window.h"

#include <algorithm>
#include <map>
#include <memory>

namespace user {

namespace {

// Handles count up and are never reused, so a destroyed window's handle stays invalid.
std::map<uintptr_t, std::unique_ptr<Window>>& Windows() {
    static std::map<uintptr_t, std::unique_ptr<Window>> windows;
    return windows;
}

std::vector<Window*>& TopLevel() {
    static std::vector<Window*> top;
    return top;
}

}  // namespace

Window* FindWindow(HWND handle) {
    auto& windows = Windows();
    auto it = windows.find(reinterpret_cast<uintptr_t>(handle));
    return it == windows.end() ? nullptr : it->second.get();
}

const std::vector<Window*>& TopLevelWindows() { return TopLevel(); }

Window* NewWindow() {
    static uintptr_t next = 0x10000;
    auto window = std::make_unique<Window>();
    Window* w = window.get();
    w->handle = reinterpret_cast<HWND>(next);
    Windows()[next] = std::move(window);
    next += 4;
    return w;
}

void RemoveWindow(Window* window) {
    for (Window* child : window->children) child->parent = nullptr;
    auto& siblings = window->parent ? window->parent->children : TopLevel();
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    Windows().erase(reinterpret_cast<uintptr_t>(window->handle));
}

bool IsShown(const Window* window) {
    for (; window; window = window->parent)
        if (!window->visible) return false;
    return true;
}

gdi::Box ToBox(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
RECT ToRect(const gdi::Box& b) { return {b.left, b.top, b.right, b.bottom}; }

gdi::Box ClientClip(const Window* window) {
    gdi::Surface& screen = gdi::ScreenSurface();
    gdi::Box clip{0, 0, screen.width, screen.height};
    if (!IsShown(window)) return {};
    for (const Window* w = window; w; w = w->parent) clip = gdi::Intersect(clip, ToBox(w->client()));
    return clip;
}

namespace {

bool Holds(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

Window* DeepestAt(Window* w, POINT p) {
    if (!w->visible || !Holds(w->rect, p)) return nullptr;
    for (auto it = w->children.rbegin(); it != w->children.rend(); ++it)
        if (Window* hit = DeepestAt(*it, p)) return hit;
    return w;
}

}  // namespace

Window* WindowAt(POINT screen) {
    const auto& top = TopLevel();
    for (auto it = top.rbegin(); it != top.rend(); ++it)
        if (Window* hit = DeepestAt(*it, screen)) return hit;
    return nullptr;
}

void AddToUpdate(Window* window, const gdi::Box& box) {
    if (box.empty()) return;
    for (const gdi::Box& b : window->update)
        if (box.left >= b.left && box.top >= b.top && box.right <= b.right && box.bottom <= b.bottom) return;
    window->update.push_back(box);
    if (window->update.size() > 16) window->update = {gdi::BoundsOf(window->update)};
}

void InvalidateScreenArea(const gdi::Box& area) {
    ForEachWindow([&](Window* w) {
        if (!IsShown(w)) return;
        gdi::Box part = gdi::Intersect(area, ToBox(w->rect));
        if (part.empty()) return;
        AddToUpdate(w, part);
        w->erase = true;
    });
}

}  // namespace user
