// Drawing a picture's commands with the engine's GDI calls on a 32 × 32 cell.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "art_source.h"

namespace art {

using Cell = std::array<Ink, kCell * kCell>;  // rows from the top

inline Ink At(const Cell& cell, int x, int y) { return cell[size_t(y * kCell + x)]; }

// The cell as the commands leave it, starting wholly clear.
Cell DrawPicture(const Picture& picture);

// The same commands redrawn on a larger square (a multiple of half the cell's side), each cell pixel a
// square of size / 32: 0xAARRGGBB words, rows from the top, clear pixels transparent.
std::vector<uint32_t> DrawPictureLarge(const Picture& picture, int size);

}  // namespace art
