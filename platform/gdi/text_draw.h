// Drawing a run of characters on one line with a DC's font, text colour and background mode.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "dc.h"

namespace gdi {

class FontFace;

// The width of the characters in pixels.
long RunWidth(FontFace& face, std::string_view chars);

// Draws chars with the top-left of their cell at (x, y) in surface pixels, painting only inside
// limit and the DC's clip: in opaque mode the cell's box in the background colour first, then
// the glyphs' pixels, the font's underline and strike-out and a bar under each character at a
// position in underlined, all in the text colour.
void DrawRun(const DeviceContext& dc, FontFace& face, int64_t x, int64_t y, std::string_view chars,
             const std::vector<size_t>& underlined, const Box& limit);

}  // namespace gdi
