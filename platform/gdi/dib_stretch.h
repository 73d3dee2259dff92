// StretchDIBits' drawing: only the pixels of the picture that reach the destination are decoded, straight
// into a piece of the destination's size.
#pragma once

#include "dc.h"
#include "dib_decode.h"

namespace gdi {

// Draws the source rectangle (sx, sy, sw, sh), sy counted from the picture's top row, into the destination
// rectangle as StretchToDc would draw the whole decoded picture. False on bad arguments.
bool StretchDib(DeviceContext& d, DibDecoder& dib, int64_t x, int64_t y, int64_t w, int64_t h, int64_t sx, int64_t sy,
                int64_t sw, int64_t sh, DWORD rop);

}  // namespace gdi
