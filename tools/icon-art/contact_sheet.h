// One PNG to look at the pictures with: every icon at 1× and 3× on the option strip's navy and on white, every
// cursor at 1× and 3× on white and on a dark grey with its hot spot marked in red, each with its name.
#pragma once

#include <string>

#include "art_build.h"

namespace art {

struct SheetLayout {
    int width = 0, height = 0;
};

// The pictures drawn without fault, icons first; false when the file can't be written.
bool WriteContactSheet(const Art& art, const std::string& path);

// The sheet's size for this many icons and cursors.
SheetLayout ContactSheetSize(int icons, int cursors);

// Where a picture's 1× image on its first background lies: the index counts icons, then cursors apart.
struct Spot {
    int x, y;
};
Spot IconSpot(int index);
Spot CursorSpot(int icons, int index);

// The backgrounds, 0x00RRGGBB: the option strip, white, and the dark one for cursors.
constexpr uint32_t kStripNavy = 0x00007F;
constexpr uint32_t kSheetWhite = 0xFFFFFF;
constexpr uint32_t kCursorDark = 0x303030;
// A picture's tile: its name above, then a half on each background, the 1× image beside the 3× one.
constexpr int kHalfWidth = 4 + kCell + 4 + 3 * kCell + 4;
constexpr int kLabelHeight = 16;
constexpr int kTileWidth = 2 * kHalfWidth + 8;
constexpr int kTileHeight = kLabelHeight + 4 + 3 * kCell + 4 + 8;
constexpr int kColumns = 6;

}  // namespace art
