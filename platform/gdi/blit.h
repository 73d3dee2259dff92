// Block transfers: a source image (a DC's surface or DIB bits) combined with the brush and the
// destination through a ternary raster operation, stretched or mirrored.
#pragma once

#include "dc.h"
#include "rop.h"

namespace gdi {

// A source surface and how its pixels turn into the destination's format.
struct BlitSource {
    const Surface* surface = nullptr;
    enum Conversion { Same, ColourToMono, MonoToColour } conversion = Same;
    uint32_t background = 0;  // ColourToMono: this colour becomes white, the rest black
    uint32_t zero = 0, one = 0;  // MonoToColour: what black and white bits become
    uint32_t convert(uint32_t p) const {
        switch (conversion) {
            case ColourToMono: return p == background ? kMonoWhite : kMonoBlack;
            case MonoToColour: return p == kMonoBlack ? zero : one;
            default: return p;
        }
    }
};

// Fills (x, y, w, h), logical coordinates, with the brush through a raster operation that needs no source;
// negative extents run left or up from (x, y), whose own pixel is included.
bool PatternBlt(DeviceContext& dst, int64_t x, int64_t y, int64_t w, int64_t h, const Brush* brush, uint32_t rop);

// The destination rectangle (x, y, w, h) in logical coordinates and the source rectangle
// (sx, sy, sw, sh) in source pixels; negative extents mirror. Returns false on bad arguments.
bool StretchToDc(DeviceContext& dst, int64_t x, int64_t y, int64_t w, int64_t h, const BlitSource* src, int64_t sx,
                 int64_t sy, int64_t sw, int64_t sh, uint32_t rop);

// A DC's surface as a source for the destination: monochrome and colour convert with the
// background colour of the colour side and the text colour of the destination.
BlitSource SourceFromDc(const DeviceContext& src, const DeviceContext& dst);

}  // namespace gdi
