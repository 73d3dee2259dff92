// Scan conversion of polygons and ellipses into areas, as the system's regions are made.
#pragma once

#include "lines.h"

namespace gdi {

// Even-odd polygon interior: edges are active from their top row to the row above their
// bottom, and each row's spans run [left edge, right edge). Rows outside bounds are skipped.
void AddPolygonArea(Area& area, const LinePoint* points, int count, const Box& bounds);
// The box [left, right) × [top, bottom), as a polygon with those corners would cover it.
void AddBoxArea(Area& area, int64_t left, int64_t top, int64_t right, int64_t bottom, const Box& bounds);
// A rounded rectangle region of (left, top, right, bottom) with a corner ellipse of ew × eh.
void AddRoundRectArea(Area& area, int64_t left, int64_t top, int64_t right, int64_t bottom, int64_t ew,
                      int64_t eh, const Box& bounds);

}  // namespace gdi
