// The rubber-band shapes, the straight line and the wire-frame box: an exclusive-or outline follows the
// mouse from the press point to the stroke's outline corner, and the release finishes.
#include "base/colours.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/tool_table.h"
#include "draw/draw.h"
#include "draw/drawing.h"

namespace {

void MoveRubberLine(CanvasStroke& stroke, ToolState, POINT p) {
    // The line's rubber band, which the finished line erases.
    Drawing d(canvasWindow, appPalette);
    SetROP2(d.dc(), R2_XORPEN);
    d.UsePen(d.MakePlainPen(1, kPlainWhite));
    DrawLine(d.dc(), stroke.from.x, stroke.from.y, stroke.outlineCorner.x, stroke.outlineCorner.y);
    DrawLine(d.dc(), stroke.from.x, stroke.from.y, p.x, p.y);
    stroke.outlineCorner = p;
}

// The box's outline is the rectangle's.
void MoveShapeOutline(CanvasStroke& stroke, ToolState state, POINT p) {
    int shape = state == kBoxState ? int(kRectangle) : int(state);
    TrackShapeOutline(canvasWindow, appPalette, shape, stroke.from.x, stroke.from.y, stroke.outlineCorner.x,
                      stroke.outlineCorner.y, p.x, p.y);
    stroke.outlineCorner = p;
}

void ReleaseLine(CanvasStroke& stroke, ToolState, POINT p) {
    DrawFinishedLine(canvasWindow, appPalette, stroke.from.x, stroke.from.y, stroke.outlineCorner.x,
                     stroke.outlineCorner.y, p.x, p.y, CurrentBrush().penWidth, CurrentBrush().currentColour);
}

void ReleaseBox(CanvasStroke& stroke, ToolState, POINT p) {
    DrawFinishedBox(canvasWindow, appPalette, stroke.from.x, stroke.from.y, stroke.outlineCorner.x,
                    stroke.outlineCorner.y, p.x, p.y, CurrentBrush().penWidth, CurrentBrush().currentColour);
}

void ReleaseShape(CanvasStroke& stroke, ToolState state, POINT p) {
    const BrushChoice& brush = CurrentBrush();
    DrawFinishedShape(canvasWindow, appPalette, state, stroke.from.x, stroke.from.y, stroke.outlineCorner.x,
                      stroke.outlineCorner.y, p.x, p.y, brush.penWidth, brush.currentColour, brush.fillPattern);
}

constexpr ToolRow Shape(ToolState state, Sound sound = kShapeSound) {
    return {.state = state, .move = MoveShapeOutline, .release = ReleaseShape, .releaseSound = sound};
}

const ToolRow kRows[] = {
    Shape(kStarState),
    Shape(kOctagonState),
    Shape(kRectangleState),
    Shape(kEllipseState),
    Shape(kRightTriangleState),
    Shape(kIsoscelesTriangleState, kSplatSound),
    {.state = kLineState, .move = MoveRubberLine, .release = ReleaseLine, .releaseSound = kLineSound},
    {.state = kBoxState, .move = MoveShapeOutline, .release = ReleaseBox, .releaseSound = kBoxSound},
};

}  // namespace

std::span<const ToolRow> ShapeRows() { return kRows; }
