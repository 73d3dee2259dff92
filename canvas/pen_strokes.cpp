#include "canvas/pen_strokes.h"

#include "base/state.h"
#include "canvas/brush_choice.h"
#include "draw/draw.h"

namespace {

constexpr int kWideLineStyle = 9;

}  // namespace

void PenSegment(POINT from, POINT to, int width, COLORREF colour) {
    DrawNibStroke(canvasWindow, appPalette, from.x, from.y, width, colour, kWideLineStyle, to.x, to.y);
}

void PenDot(POINT at, COLORREF colour, int width) { DrawDot(canvasWindow, appPalette, at.x, at.y, colour, width); }

void PressPenDot(CanvasStroke& stroke, ToolState) {
    PenDot(stroke.from, CurrentBrush().currentColour, CurrentBrush().penWidth);
}
