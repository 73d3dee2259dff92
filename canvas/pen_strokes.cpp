#include "canvas/pen_strokes.h"

#include "base/state.h"
#include "canvas/brush_choice.h"
#include "draw/draw.h"

void PenSegment(POINT from, POINT to, int width, COLORREF colour) {
    DrawNibStroke(canvasWindow, appPalette, from.x, from.y, to.x, to.y, width, colour, kWideLine);
}

void PenDot(POINT at, COLORREF colour, int width) { DrawDot(canvasWindow, appPalette, at.x, at.y, width, colour); }

void PressPenDot(CanvasStroke& stroke, ToolState) {
    PenDot(stroke.from, CurrentBrush().currentColour, CurrentBrush().penWidth);
}
