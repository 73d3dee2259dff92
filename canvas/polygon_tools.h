// The vertex list the polygon tools record and the splat fills.
#pragma once

#include "platform/win32.h"

constexpr int kPolygonPoints = 5000;

// The list the polygon tools record their vertices in, and the splat makes its polygon in.
POINT* PolygonVertices();
// How many vertices the polygon tools recorded.
int PolygonVertexCount();
