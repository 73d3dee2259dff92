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
// The input written to the scratch folder and read as the program reads a picture file: *block is the
// picture, or null when it is refused. An input claiming more than its length can hold is read only as far
// as its header and colour table, which are checked without the work of its made-up pixels; then *block is
// null and the result -1 tells libFuzzer not to keep the input. Otherwise the result is 0.
int ReadInput(const uint8_t* data, size_t size, HGLOBAL* block);
// The whole picture stretched onto one of the surfaces.
void DrawWhole(int surface, HGLOBAL block);
// Aborts unless the block is laid out as the reader promises: a 40-byte header, the table, then the bits.
void CheckLayout(HGLOBAL block);
bool SameBlocks(HGLOBAL first, HGLOBAL second);

}  // namespace fuzz
