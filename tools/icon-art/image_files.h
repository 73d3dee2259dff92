// The .ico and .cur files of the resources: one 32 × 32 image each, an icon in 4 bits a pixel with the
// standard 16-colour palette, a cursor in 1 bit a pixel, both with their AND mask.
#pragma once

#include <cstdint>
#include <vector>

#include "art_draw.h"

namespace art {

// Clear pixels have mask 1 and colour 0.
std::vector<uint8_t> IconFile(const Cell& cell);
// Black is colour 0 and white colour 1 under mask 0; clear is mask 1 with colour 0, invert mask 1 with colour 1.
std::vector<uint8_t> CursorFile(const Cell& cell, int hotX, int hotY);

}  // namespace art
