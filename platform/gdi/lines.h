// Pen lines: one-pixel Bresenham lines and the areas of wide pens, in surface coordinates.
#pragma once

#include "area.h"

namespace gdi {

struct LinePoint {
    int64_t x, y;
};

// One-pixel line from a to b without its end point, clipped exactly in Bresenham terms.
void DrawThinLine(Painter& painter, const Ink& ink, LinePoint a, LinePoint b);
// Connected one-pixel lines; closed joins the last point back to the first.
void DrawThinPolyline(Painter& painter, const Ink& ink, const LinePoint* points, int count, bool closed);
// The area a round-capped wide pen covers along the points, limited to the rows of bounds.
void AddWidePolyline(Area& area, const LinePoint* points, int count, bool closed, int width, const Box& bounds);
// A wide pen's line from a to b, end points included.
void DrawWideLine(Painter& painter, const Ink& ink, LinePoint a, LinePoint b, int width);
// The rows [top, bottom) of bounds, as a box.
Box RowsOf(const Box& bounds, int64_t top, int64_t bottom);

}  // namespace gdi
