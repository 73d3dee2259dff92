// Turning COLORREF values into surface pixels and back.
#pragma once

#include <cstdint>

#include "dc.h"

namespace gdi {

// 0x00BBGGRR <-> 0x00RRGGBB
inline uint32_t PixelFromRgb(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
inline COLORREF RgbFromPixel(uint32_t p) { return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF); }

// The plain RGB a COLORREF stands for in this DC: palette-relative values are their RGB,
// palette indices look up the selected palette (entry 0 when out of range).
COLORREF ResolveColour(const DeviceContext& dc, COLORREF colour);

// The pixel a pen or brush colour paints on the DC's surface. On a monochrome surface black
// and white are themselves, the background colour goes to its nearest and any other colour to
// the opposite, so a coloured pen always shows against the background.
uint32_t PenPixel(const DeviceContext& dc, COLORREF colour);

// Nearest of black and white, for monochrome surfaces.
uint32_t NearestMono(COLORREF rgb);

}  // namespace gdi
