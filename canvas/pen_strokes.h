// The strokes the freehand pens build their drawings from, on the canvas with appPalette.
#pragma once

#include "canvas/stroke.h"
#include "canvas/tools.h"
#include "platform/win32.h"

// A line of the pen's width from one point to the other, the second point left out.
void PenSegment(POINT from, POINT to, int width, COLORREF colour);
// A dot as wide as the pen: a line one pixel long to the right of the point.
void PenDot(POINT at, COLORREF colour, int width);
// The press of the pens that start with a dot as wide as the pen in the current colour.
void PressPenDot(CanvasStroke& stroke, ToolState state);
