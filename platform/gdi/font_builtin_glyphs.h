// The built-in font's design: a pixel font drawn for dab, five columns wide and nine rows tall, seven of
// them above the baseline, for the printable ASCII characters and a box for every other one.
#pragma once

#include <cstdint>

namespace gdi {

constexpr int kBuiltInColumns = 5;
constexpr int kBuiltInRows = 9;
// The cell: one empty row above the capitals, seven rows of them, two of descenders.
constexpr int kBuiltInAscent = 8;
constexpr int kBuiltInDescent = 2;
constexpr int kBuiltInEm = 9;
// Every character is as wide: its five columns and one of space.
constexpr int kBuiltInAdvance = 6;

// The rows of a character's glyph, top row first, bit 4 the leftmost column.
const uint8_t* BuiltInGlyphRows(unsigned char c);

}  // namespace gdi
