// Cursor and icon objects: monochrome cursors with a hot spot, colour icons with a mask.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/backend/display.h"
#include "platform/gdi/dc.h"
#include "platform/win32.h"

namespace user {

struct Icon {
    int width = 32, height = 32;
    std::vector<uint8_t> andMask;     // 1 bit a pixel, rows of 4 bytes, bit 7 leftmost: 1 keeps the screen
    std::vector<uint32_t> colours;    // the XOR image, 0x00RRGGBB, top row first
};

HCURSOR AddCursor(const backend::CursorImage& image);
const backend::CursorImage* FindCursor(HCURSOR cursor);
HICON AddIcon(Icon icon);
const Icon* FindIcon(HICON icon);
// The system arrow, IDC_ARROW.
HCURSOR StandardArrow();

}  // namespace user
