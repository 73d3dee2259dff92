// The mirrored pens: images of the stroke across the canvas's middle lines or through the press point.
#include "base/colours.h"
#include "base/random.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/pen_strokes.h"
#include "canvas/tool_colours.h"
#include "canvas/tool_table.h"
#include "canvas/tools.h"
#include "draw/draw.h"
#include "draw/drawing.h"

namespace {

int MirrorX(int x) { return 2 * (canvasWidth / 2) - x; }
int MirrorY(int y) { return 2 * (canvasHeight / 2) - y; }

// A dot as wide as the pen, drawn as a line one pixel long downwards.
void DotDown(POINT q) { PenSegment(q, {q.x, q.y + 1}, CurrentBrush().penWidth, CurrentBrush().currentColour); }

// The segment from the last point on the side of the stroke along a mirror line, and its image across it.
void MirroredSegments(CanvasStroke& stroke, POINT p, bool leftToRight, COLORREF colour) {
    int w = CurrentBrush().penWidth;
    if (leftToRight) {
        int mx = MirrorX(p.x);
        PenSegment({stroke.lastX.at, stroke.from.y}, p, w, colour);
        PenSegment({stroke.lastX.image, stroke.from.y}, {mx, p.y}, w, colour);
        stroke.lastX = {p.x, mx};
    } else {
        int my = MirrorY(p.y);
        PenSegment({stroke.from.x, stroke.lastY.at}, p, w, colour);
        PenSegment({stroke.from.x, stroke.lastY.image}, {p.x, my}, w, colour);
        stroke.lastY = {p.y, my};
    }
}

// The press point and its three mirror images.
void PressFourWay(CanvasStroke& stroke, ToolState) {
    POINT a = stroke.from;
    int mx = MirrorX(a.x), my = MirrorY(a.y);
    {
        Drawing d(canvasWindow, appPalette);
        d.UsePen(d.MakePen(CurrentBrush().penWidth, CurrentBrush().currentColour));
        HDC dc = d.dc();
        DrawLine(dc, a.x, a.y, a.x + 1, a.y);
        DrawLine(dc, mx, a.y, mx + 1, a.y);
        DrawLine(dc, a.x, a.y, a.x, a.y + 1);
        DrawLine(dc, a.x, my, a.x, my + 1);
        DrawLine(dc, mx, my, mx + 1, my);
    }
    stroke.lastX = {a.x, mx};
    stroke.lastY = {a.y, my};
}

void PressTopToBottom(CanvasStroke& stroke, ToolState) {
    POINT a = stroke.from;
    int my = MirrorY(a.y);
    DotDown(a);
    DotDown({a.x, my});
    stroke.lastY = {a.y, my};
}

void PressLeftToRight(CanvasStroke& stroke, ToolState) {
    POINT a = stroke.from;
    int mx = MirrorX(a.x);
    PenDot(a, CurrentBrush().currentColour, CurrentBrush().penWidth);
    PenDot({mx, a.y}, CurrentBrush().currentColour, CurrentBrush().penWidth);
    stroke.lastX = {a.x, mx};
}

void PressCurtain(CanvasStroke& stroke, ToolState) {
    PenDot(stroke.from, CurrentBrush().currentColour, CurrentBrush().penWidth);
    stroke.lastX = {stroke.from.x, MirrorX(stroke.from.x)};
}

// The press point stays where the stroke starts: every move adds one thin line through it.
void MovePointMirrored(CanvasStroke& stroke, ToolState, POINT p) {
    PenSegment({2 * stroke.from.x - p.x, 2 * stroke.from.y - p.y}, p, 1, RainbowColour());
}

// The segment, its image across the vertical middle line, the segment again, its image across the
// horizontal middle line and its image through the centre.
void MoveFourWay(CanvasStroke& stroke, ToolState, POINT p) {
    int mx = MirrorX(p.x);
    int r = RandomBelow(kFamilyColours);
    COLORREF colour = CurrentBrush().rainbowMode ? paletteColours[r] : CurrentBrush().currentColour;
    int w = CurrentBrush().penWidth;
    PenSegment({stroke.lastX.at, stroke.from.y}, p, w, colour);
    PenSegment({stroke.lastX.image, stroke.from.y}, {mx, p.y}, w, colour);
    int previousMirrorX = stroke.lastX.image;
    stroke.lastX = {p.x, mx};
    int my = MirrorY(p.y);
    PenSegment({stroke.from.x, stroke.lastY.at}, p, w, colour);
    PenSegment({stroke.from.x, stroke.lastY.image}, {p.x, my}, w, colour);
    PenSegment({previousMirrorX, stroke.lastY.image}, {mx, my}, w, colour);
    stroke.lastY = {p.y, my};
    stroke.from = p;
}

void MoveTopToBottom(CanvasStroke& stroke, ToolState, POINT p) {
    MirroredSegments(stroke, p, false, RainbowColour());
    stroke.from = p;
}

void MoveLeftToRight(CanvasStroke& stroke, ToolState, POINT p) {
    MirroredSegments(stroke, p, true, RainbowColour());
    stroke.from = p;
}

// The curtain keeps the press point, so each segment starts on the press row.
void MoveCurtain(CanvasStroke& stroke, ToolState, POINT p) { MirroredSegments(stroke, p, true, RainbowColour()); }

const ToolRow kRows[] = {
    {.state = kPointMirroredState, .move = MovePointMirrored},
    {.state = kFourWayState, .press = PressFourWay, .move = MoveFourWay, .cursor = kPenCursor,
     .pressSound = kFourWaySound},
    {.state = kTopToBottomState, .press = PressTopToBottom, .move = MoveTopToBottom, .cursor = kPenCursor,
     .pressSound = kChoiceSound},
    {.state = kLeftToRightState, .press = PressLeftToRight, .move = MoveLeftToRight, .cursor = kPenCursor},
    {.state = kCurtainState, .press = PressCurtain, .move = MoveCurtain},
};

}  // namespace

std::span<const ToolRow> MirrorPenRows() { return kRows; }
