// The rubber-band shapes, the straight line and the wire-frame box: an exclusive-or outline follows the
// mouse from the press point A, B holds the corner of the last outline, and the release finishes.
#include "base/colours.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/tool_states.h"
#include "canvas/tools.h"
#include "draw/canvas_drawing.h"
#include "draw/draw.h"

namespace {

bool IsShape(int state) {
    return (state >= kStarState && state <= kOctagonState) ||
           (state >= kRectangleState && state <= kIsoscelesTriangleState);
}

// The line's rubber band, which the finished line erases.
void TrackRubberLine(POINT p) {
    CanvasDrawing d(canvasWindow, appPalette);
    SetROP2(d.dc(), R2_XORPEN);
    d.UsePen(d.MakePlainPen(1, kPlainWhite));
    DrawLine(d.dc(), pointA.x, pointA.y, pointB.x, pointB.y);
    DrawLine(d.dc(), pointA.x, pointA.y, p.x, p.y);
    pointB = p;
}

}  // namespace

bool MoveShapeState(int state, POINT p) {
    if (state == kLineState) {
        TrackRubberLine(p);
        return true;
    }
    if (!IsShape(state) && state != kBoxState) return false;
    int shape = state == kBoxState ? kRectangle : state;
    TrackShapeOutline(canvasWindow, appPalette, shape, p.x, p.y, pointB.x, pointB.y, pointA.x, pointA.y);
    pointB = p;
    return true;
}

bool ReleaseShapeState(int state, POINT p) {
    if (state == kLineState) {
        PlaySoundEffect(kLineSound);
        DrawFinishedLine(canvasWindow, appPalette, pointA.x, pointA.y, pointB.x, pointB.y, p.x, p.y, CurrentBrush().penWidth,
                         CurrentBrush().currentColour);
    } else if (state == kBoxState) {
        PlaySoundEffect(kBoxSound);
        DrawFinishedBox(canvasWindow, appPalette, pointA.x, pointA.y, pointB.x, pointB.y, p.x, p.y, CurrentBrush().penWidth,
                        CurrentBrush().currentColour);
    } else if (IsShape(state)) {
        PlaySoundEffect(state == kIsoscelesTriangleState ? kSplatSound : kShapeSound);
        DrawFinishedShape(canvasWindow, appPalette, state, p.x, p.y, pointA.x, pointA.y, pointB.x, pointB.y,
                          CurrentBrush().fillPattern, CurrentBrush().penWidth, CurrentBrush().currentColour);
    } else {
        return false;
    }
    return true;
}
