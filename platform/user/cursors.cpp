// Cursors and icons live in tables of their own; handles count up and are never reused.
#include "cursors.h"
#include "platform/gdi/damage.h"
#include "resources.h"

#include <cstring>
#include <map>

namespace user {

namespace {

std::map<uintptr_t, backend::CursorImage>& Cursors() {
    static std::map<uintptr_t, backend::CursorImage> cursors;
    return cursors;
}

std::map<uintptr_t, Icon>& Icons() {
    static std::map<uintptr_t, Icon> icons;
    return icons;
}

uintptr_t NextHandle() {
    static uintptr_t next = 0x40000;
    return next += 4;
}

HCURSOR& Current() {
    static HCURSOR current = nullptr;
    return current;
}

// The standard arrow, 12 × 19: black with a white edge.
backend::CursorImage Arrow() {
    static const char* rows[] = {
        "X           ", "XX          ", "X.X         ", "X..X        ", "X...X       ", "X....X      ",
        "X.....X     ", "X......X    ", "X.......X   ", "X........X  ", "X.........X ", "X......XXXXX",
        "X...X..X    ", "X..XX..X    ", "X.X  X..X   ", "XX   X..X   ", "X     X..X  ", "      X..X  ",
        "       XX   "};
    backend::CursorImage image;
    std::memset(image.andMask, 0xFF, sizeof image.andMask);
    for (int y = 0; y < 19; y++) {
        for (int x = 0; rows[y][x]; x++) {
            char c = rows[y][x];
            if (c == ' ') continue;
            uint8_t bit = uint8_t(0x80 >> (x % 8));
            image.andMask[y * 4 + x / 8] &= uint8_t(~bit);
            // Black is AND 0, XOR 0; white is AND 0, XOR 1.
            if (c == '.') image.xorMask[y * 4 + x / 8] |= bit;
        }
    }
    return image;
}

}  // namespace

HCURSOR AddCursor(const backend::CursorImage& image) {
    uintptr_t handle = NextHandle();
    Cursors()[handle] = image;
    return reinterpret_cast<HCURSOR>(handle);
}

const backend::CursorImage* FindCursor(HCURSOR cursor) {
    auto it = Cursors().find(reinterpret_cast<uintptr_t>(cursor));
    return it == Cursors().end() ? nullptr : &it->second;
}

HICON AddIcon(Icon icon) {
    uintptr_t handle = NextHandle();
    Icons()[handle] = std::move(icon);
    return reinterpret_cast<HICON>(handle);
}

const Icon* FindIcon(HICON icon) {
    auto it = Icons().find(reinterpret_cast<uintptr_t>(icon));
    return it == Icons().end() ? nullptr : &it->second;
}

HCURSOR StandardArrow() {
    static HCURSOR arrow = AddCursor(Arrow());
    return arrow;
}

}  // namespace user

using namespace user;

HCURSOR WINAPI CreateCursor(HINSTANCE, int hotX, int hotY, int width, int height, const void* andPlane,
                            const void* xorPlane) {
    if (width != 32 || height != 32 || !andPlane || !xorPlane) return nullptr;
    backend::CursorImage image;
    image.hotX = hotX;
    image.hotY = hotY;
    std::memcpy(image.andMask, andPlane, sizeof image.andMask);
    std::memcpy(image.xorMask, xorPlane, sizeof image.xorMask);
    return AddCursor(image);
}

BOOL WINAPI DestroyCursor(HCURSOR cursor) {
    if (cursor == Current() || cursor == StandardArrow()) return FALSE;
    if (IsSharedResource(cursor)) return TRUE;
    return Cursors().erase(reinterpret_cast<uintptr_t>(cursor)) ? TRUE : FALSE;
}

HCURSOR WINAPI SetCursor(HCURSOR cursor) {
    HCURSOR previous = Current();
    const backend::CursorImage* image = FindCursor(cursor);
    if (cursor && !image) return previous;
    Current() = cursor;
    backend::ShowCursorImage(image);
    return previous;
}

HCURSOR WINAPI GetCursor(void) { return Current(); }

BOOL WINAPI DestroyIcon(HICON icon) {
    if (IsSharedResource(icon)) return TRUE;
    return Icons().erase(reinterpret_cast<uintptr_t>(icon)) ? TRUE : FALSE;
}

BOOL WINAPI DrawIcon(HDC dc, int x, int y, HICON handle) {
    const Icon* icon = FindIcon(handle);
    if (!icon || !gdi::FindDc(dc)) return FALSE;
    // As Windows draws it: the mask ANDed onto the picture, then the image XORed over it, whatever the
    // DC's binary raster operation.
    int rop = SetROP2(dc, R2_COPYPEN);
    gdi::OneScreenCall oneCall;
    for (int row = 0; row < icon->height; row++) {
        for (int col = 0; col < icon->width; col++) {
            bool keep = icon->andMask[size_t(row * 4 + col / 8)] & (0x80 >> (col % 8));
            uint32_t c = icon->colours[size_t(row * icon->width + col)];
            COLORREF xorColour = RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
            if (!keep) {
                SetPixel(dc, x + col, y + row, xorColour);
            } else if (xorColour != 0) {
                COLORREF under = GetPixel(dc, x + col, y + row);
                if (under != CLR_INVALID) SetPixel(dc, x + col, y + row, under ^ xorColour);
            }
        }
    }
    SetROP2(dc, rop);
    return TRUE;
}
