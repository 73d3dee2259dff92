// Drawing a picture's commands with the engine's GDI calls on a 32 × 32 cell.
#pragma once

#include <array>

#include "art_source.h"

namespace art {

using Cell = std::array<Ink, kCell * kCell>;  // rows from the top

inline Ink At(const Cell& cell, int x, int y) { return cell[size_t(y * kCell + x)]; }

// The cell as the commands leave it, starting wholly clear.
Cell DrawPicture(const Picture& picture);

}  // namespace art
