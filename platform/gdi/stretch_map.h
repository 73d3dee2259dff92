// Which source pixels each destination pixel of a stretched blit takes, and which parts of both a blit whose
// source rectangle runs off its source touches.
#pragma once

#include <cstdint>
#include <vector>

#include "dc.h"

namespace gdi {

// One axis of a blit as the caller gives it: the destination and the source, each a start and a signed
// extent. The copy walks both from their starts in the directions of their extents, so a sign that differs
// mirrors.
struct StretchAxis {
    int64_t dst = 0, dstExtent = 0;
    int64_t src = 0, srcExtent = 0;
};

// Coordinates [low, high) along one axis.
struct Span {
    int64_t low = 0, high = 0;
    bool empty() const { return high <= low; }
};

// What a blit may touch: destination and source spans of each axis.
struct StretchClip {
    Span dstX, dstY, srcX, srcY;
};

// Cuts a blit to its source (srcWidth × srcHeight) and to the destination's visible bounds. Stretching, the
// source that exists is mapped onto the destination with a pixel to spare on each side; where a mirrored
// source runs off its surface, the destination start moves so that what remains lands at the far end (as
// the reference does; x and y may move). Returns false when nothing is drawn.
bool ClipStretch(StretchAxis& x, StretchAxis& y, const Box& dstBounds, int64_t srcWidth, int64_t srcHeight,
                 StretchClip& clip);

// Where each destination pixel of an axis takes its source pixels from.
struct AxisMap {
    int64_t first = 0;            // destination coordinate of entry 0
    std::vector<int> begin, end;  // source range [begin, end); begin == end: nothing
};

// When shrinking, which of the source pixels that fall on one destination pixel it gets: all of them
// combined, or the first or last the walk meets.
enum class Shrink { Combine, First, Last };

// Fills map for the destination pixels of dst, reusing its storage: blits come by the hundred and most are
// small. Source pixels outside src are left out; a destination pixel left with none is not drawn.
void MapAxis(AxisMap& map, const StretchAxis& axis, Span dst, Span src, Shrink shrink);

}  // namespace gdi
