// The rubber-band shapes, the straight line and the wire-frame box: an exclusive-or outline follows the
// mouse from the press point to the stroke's outline corner, and the release finishes.
#include "base/colours.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/tool_states.h"
#include "draw/canvas_drawing.h"
#include "draw/draw.h"

void MoveRubberLine(Stroke& stroke, ToolState, POINT p) {
    // The line's rubber band, which the finished line erases.
    CanvasDrawing d(canvasWindow, appPalette);
    SetROP2(d.dc(), R2_XORPEN);
    d.UsePen(d.MakePlainPen(1, kPlainWhite));
    DrawLine(d.dc(), stroke.from.x, stroke.from.y, stroke.outlineCorner.x, stroke.outlineCorner.y);
    DrawLine(d.dc(), stroke.from.x, stroke.from.y, p.x, p.y);
    stroke.outlineCorner = p;
}

void MoveShapeOutline(Stroke& stroke, ToolState state, POINT p) {
    TrackShapeOutline(canvasWindow, appPalette, state, p.x, p.y, stroke.outlineCorner.x, stroke.outlineCorner.y,
                      stroke.from.x, stroke.from.y);
    stroke.outlineCorner = p;
}

void MoveRectangleOutline(Stroke& stroke, ToolState, POINT p) {
    TrackShapeOutline(canvasWindow, appPalette, kRectangle, p.x, p.y, stroke.outlineCorner.x, stroke.outlineCorner.y,
                      stroke.from.x, stroke.from.y);
    stroke.outlineCorner = p;
}

void ReleaseLine(Stroke& stroke, ToolState, POINT p) {
    DrawFinishedLine(canvasWindow, appPalette, stroke.from.x, stroke.from.y, stroke.outlineCorner.x,
                     stroke.outlineCorner.y, p.x, p.y, CurrentBrush().penWidth, CurrentBrush().currentColour);
}

void ReleaseBox(Stroke& stroke, ToolState, POINT p) {
    DrawFinishedBox(canvasWindow, appPalette, stroke.from.x, stroke.from.y, stroke.outlineCorner.x,
                    stroke.outlineCorner.y, p.x, p.y, CurrentBrush().penWidth, CurrentBrush().currentColour);
}

void ReleaseShape(Stroke& stroke, ToolState state, POINT p) {
    const BrushChoice& brush = CurrentBrush();
    DrawFinishedShape(canvasWindow, appPalette, state, p.x, p.y, stroke.from.x, stroke.from.y, stroke.outlineCorner.x,
                      stroke.outlineCorner.y, brush.fillPattern, brush.penWidth, brush.currentColour);
}
