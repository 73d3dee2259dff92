#include "resources.h"

#include <cstring>
#include <map>
#include <string>
#include <strings.h>

namespace user {

namespace {

struct Table {
    const Resource* resources = nullptr;
    size_t count = 0;
    std::map<std::string, HICON> icons;
    std::map<std::string, HCURSOR> cursors;
};

Table& TheTable() {
    static Table table;
    return table;
}

const Resource* Find(Resource::Type type, LPCSTR name) {
    Table& t = TheTable();
    for (size_t i = 0; i < t.count; i++) {
        const Resource& r = t.resources[i];
        if (r.type == type && strcasecmp(r.name, name) == 0) return &r;
    }
    return nullptr;
}

std::string Key(LPCSTR name) {
    std::string key = name;
    for (char& c : key) c = char(toupper(static_cast<unsigned char>(c)));
    return key;
}

// The system's own icon: a plain white square with a black edge.
HICON StandardIcon() {
    static HICON icon = [] {
        Icon plain;
        plain.andMask.assign(128, 0);
        plain.colours.assign(32 * 32, 0xFFFFFF);
        for (int i = 0; i < 32; i++) {
            plain.colours[size_t(i)] = plain.colours[size_t(31 * 32 + i)] = 0;
            plain.colours[size_t(i * 32)] = plain.colours[size_t(i * 32 + 31)] = 0;
        }
        return AddIcon(std::move(plain));
    }();
    return icon;
}

}  // namespace

void UseResources(const Resource* resources, size_t count) {
    Table& t = TheTable();
    t.resources = resources;
    t.count = count;
    t.icons.clear();
    t.cursors.clear();
}

bool IsSharedResource(const void* handle) {
    Table& t = TheTable();
    for (const auto& entry : t.icons)
        if (entry.second == handle) return true;
    for (const auto& entry : t.cursors)
        if (entry.second == handle) return true;
    return false;
}

}  // namespace user

using namespace user;

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    if (!name) return nullptr;
    // The system's cursors come as numbers without an instance; all show as the arrow here.
    if (IS_INTRESOURCE(name)) return instance ? nullptr : StandardArrow();
    Table& t = TheTable();
    std::string key = Key(name);
    if (auto it = t.cursors.find(key); it != t.cursors.end()) return it->second;
    const Resource* r = Find(Resource::Cursor, name);
    backend::CursorImage image;
    if (!r || !ParseCursor(r->data, r->size, image)) return nullptr;
    return t.cursors[key] = AddCursor(image);
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    if (!name) return nullptr;
    if (IS_INTRESOURCE(name)) return instance ? nullptr : StandardIcon();
    Table& t = TheTable();
    std::string key = Key(name);
    if (auto it = t.icons.find(key); it != t.icons.end()) return it->second;
    const Resource* r = Find(Resource::Icon, name);
    Icon icon;
    if (!r || !ParseIcon(r->data, r->size, icon)) return nullptr;
    return t.icons[key] = AddIcon(std::move(icon));
}

int WINAPI LoadStringA(HINSTANCE, UINT id, LPSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    Table& t = TheTable();
    for (size_t i = 0; i < t.count; i++) {
        const Resource& r = t.resources[i];
        if (r.type != Resource::String || r.id != id) continue;
        size_t n = std::min(std::strlen(r.text), size_t(size - 1));
        std::memcpy(buffer, r.text, n);
        buffer[n] = 0;
        return int(n);
    }
    buffer[0] = 0;
    return 0;
}
