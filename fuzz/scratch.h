// What both fuzz targets share: a temporary folder for the input and output files, removed at exit, small
// surfaces to draw on, and the checks of a picture's block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/win32.h"

namespace fuzz {

// Small enough that drawing costs little next to reading, large enough for a stretch both ways.
constexpr int kSurfaceWidth = 32;
constexpr int kSurfaceHeight = 24;

struct Scratch {
    std::string folder, input, output;
    HDC dc[2] = {};          // each with its bitmap selected
    HBITMAP bitmap[2] = {};  // of the surface's size
};

// Made once, on the first call.
Scratch& TheScratch();
// The input written to the scratch folder's input file; aborts when that fails.
void SaveInput(const uint8_t* data, size_t size);
// Reads the saved input only as far as the picture's header and colour table, as a picture claiming more
// than the input holds is read: its header is checked, without the work of its made-up pixels.
void ReadInputHeader();
// Aborts unless the block is laid out as the reader promises: a 40-byte header, the table, then the bits.
void CheckLayout(HGLOBAL block);
bool SameBlocks(HGLOBAL first, HGLOBAL second);

}  // namespace fuzz
