// The vertex list the polygon tools record and the splat fills.
#pragma once

#include "platform/win32.h"

constexpr int kPolygonPoints = 5000;

extern POINT polygonPoints[kPolygonPoints];
// How many of polygonPoints are recorded.
extern int polygonCount;
