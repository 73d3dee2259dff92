// The mirrored pens: images of the stroke across the canvas's middle lines or through the press point.
#include "base/colours.h"
#include "base/random.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/pen_strokes.h"
#include "canvas/tool_colours.h"
#include "canvas/tool_states.h"
#include "canvas/tools.h"
#include "draw/canvas_drawing.h"
#include "draw/draw.h"

namespace {

int MirrorX(int x) { return 2 * (canvasWidth / 2) - x; }
int MirrorY(int y) { return 2 * (canvasHeight / 2) - y; }

// A dot as wide as the pen, drawn as a line one pixel long downwards.
void DotDown(POINT q) { PenSegment(q, {q.x, q.y + 1}, CurrentBrush().penWidth, CurrentBrush().currentColour); }

// The press point and its three mirror images; B keeps the previous x and its image, pointC the
// previous y and its image.
void PressFourWay() {
    POINT a = pointA;
    int mx = MirrorX(a.x), my = MirrorY(a.y);
    {
        CanvasDrawing d(canvasWindow, appPalette);
        d.UsePen(d.MakePen(CurrentBrush().penWidth, CurrentBrush().currentColour));
        HDC dc = d.dc();
        DrawLine(dc, a.x, a.y, a.x + 1, a.y);
        DrawLine(dc, mx, a.y, mx + 1, a.y);
        DrawLine(dc, a.x, a.y, a.x, a.y + 1);
        DrawLine(dc, a.x, my, a.x, my + 1);
        DrawLine(dc, mx, my, mx + 1, my);
    }
    pointB = {a.x, mx};
    pointC = {a.y, my};
}

// The segment, its image across the vertical middle line, the segment again, its image across the
// horizontal middle line and its image through the centre.
void MoveFourWay(POINT p) {
    int mx = MirrorX(p.x);
    int r = RandomBelow(kFamilyColours);
    COLORREF colour = CurrentBrush().rainbowMode ? paletteColours[r] : CurrentBrush().currentColour;
    int w = CurrentBrush().penWidth;
    PenSegment({pointB.x, pointA.y}, p, w, colour);
    PenSegment({pointB.y, pointA.y}, {mx, p.y}, w, colour);
    int previousMirrorX = pointB.y;
    pointB = {p.x, mx};
    int my = MirrorY(p.y);
    PenSegment({pointA.x, pointC.x}, p, w, colour);
    PenSegment({pointA.x, pointC.y}, {p.x, my}, w, colour);
    PenSegment({previousMirrorX, pointC.y}, {mx, my}, w, colour);
    pointC = {p.y, my};
    pointA = p;
}

void MoveTopToBottom(POINT p) {
    int my = MirrorY(p.y);
    COLORREF colour = RainbowColour();
    PenSegment({pointA.x, pointB.x}, p, CurrentBrush().penWidth, colour);
    PenSegment({pointA.x, pointB.y}, {p.x, my}, CurrentBrush().penWidth, colour);
    pointA = p;
    pointB = {p.y, my};
}

// Left to right; the curtain keeps A at the press point, so each segment starts on the press row.
void MoveLeftToRight(POINT p, bool curtain) {
    int mx = MirrorX(p.x);
    COLORREF colour = RainbowColour();
    PenSegment({pointB.x, pointA.y}, p, CurrentBrush().penWidth, colour);
    PenSegment({pointB.y, pointA.y}, {mx, p.y}, CurrentBrush().penWidth, colour);
    if (!curtain) pointA = p;
    pointB = {p.x, mx};
}

}  // namespace

bool PressMirrorPenState(int state) {
    POINT a = pointA;
    switch (state) {
        case kFourWayState:
            PlaySoundEffect(kFourWaySound);
            PressFourWay();
            break;
        case kTopToBottomState: {
            PlaySoundEffect(kChoiceSound);
            int my = MirrorY(a.y);
            DotDown(a);
            DotDown({a.x, my});
            pointB = {a.y, my};
            break;
        }
        case kLeftToRightState: {
            int mx = MirrorX(a.x);
            PenDot(a, CurrentBrush().currentColour, CurrentBrush().penWidth);
            PenDot({mx, a.y}, CurrentBrush().currentColour, CurrentBrush().penWidth);
            pointB = {a.x, mx};
            break;
        }
        case kCurtainState:
            PenDot(a, CurrentBrush().currentColour, CurrentBrush().penWidth);
            pointB = {a.x, MirrorX(a.x)};
            break;
        default: return false;
    }
    strokeActive = 1;
    return true;
}

bool MoveMirrorPenState(int state, POINT p) {
    switch (state) {
        case kPointMirroredState:
            // A stays the press point: every move adds one thin line through it.
            PenSegment({2 * pointA.x - p.x, 2 * pointA.y - p.y}, p, 1, RainbowColour());
            return true;
        case kFourWayState: MoveFourWay(p); return true;
        case kTopToBottomState: MoveTopToBottom(p); return true;
        case kLeftToRightState: MoveLeftToRight(p, false); return true;
        case kCurtainState: MoveLeftToRight(p, true); return true;
        default: return false;
    }
}
