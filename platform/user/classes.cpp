// Window classes, found by name whatever its case, as Windows does.
#include <memory>
#include <strings.h>
#include <vector>

#include "window.h"

namespace user {

namespace {

std::vector<std::unique_ptr<WindowClass>>& Classes() {
    static std::vector<std::unique_ptr<WindowClass>> classes;
    return classes;
}

}  // namespace

const WindowClass* FindClass(const char* name) {
    if (!name) return nullptr;
    for (const auto& c : Classes())
        if (strcasecmp(c->name.c_str(), name) == 0) return c.get();
    return nullptr;
}

}  // namespace user

ATOM WINAPI RegisterClassA(const WNDCLASSA* wndClass) {
    if (!wndClass || !wndClass->lpszClassName || !wndClass->lpfnWndProc) return 0;
    if (user::FindClass(wndClass->lpszClassName)) return 0;
    auto c = std::make_unique<user::WindowClass>();
    c->name = wndClass->lpszClassName;
    c->info = *wndClass;
    c->info.lpszClassName = c->name.c_str();
    auto& classes = user::Classes();
    classes.push_back(std::move(c));
    return ATOM(0xC000 + classes.size());
}
