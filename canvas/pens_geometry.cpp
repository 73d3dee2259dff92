// Pens that work out their own geometry from the mouse: speed-dependent widths, zigzags, jitter,
// ribbons of neighbouring shades, drips, and red, green and blue lines side by side.
#include <algorithm>
#include <cstdlib>

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

// The further the mouse went since the last move, the thinner (state 13) or thicker (14) the line.
int SpeedWidth(ToolState state, POINT from, POINT p) {
    int d = std::max(std::abs(p.x - from.x), std::abs(p.y - from.y));
    int step = d <= 4 ? 0 : d <= 9 ? 1 : d <= 19 ? 2 : 3;
    return state == kThinWhenFastState ? 4 - step : 2 + step;
}

// Kinks at a third and two thirds of the way across, k above and k below the mouse's height.
void Zigzag(POINT a, POINT p) {
    int m1, m2;
    if (p.x > a.x) {
        m1 = a.x + (p.x - a.x) / 3;
        m2 = a.x + 2 * ((p.x - a.x) / 3);
    } else {
        m1 = p.x + 2 * ((a.x - p.x) / 3);
        m2 = p.x + (a.x - p.x) / 3;
    }
    int k = RandomBelow(140) - 70;
    COLORREF colour = RainbowColour();
    int w = CurrentBrush().penWidth;
    POINT up{m1, p.y + k}, down{m2, p.y - k};
    PenSegment(a, up, w, colour);
    PenSegment(up, down, w, colour);
    PenSegment(down, p, w, colour);
}

// The jittered point starts the next segment.
POINT Jitter(POINT p) {
    int w = CurrentBrush().penWidth;
    int spread = 20 * w, half = 10 * w;
    int jx = RandomBelow(spread) + p.x - half;
    int jy = RandomBelow(spread) + p.y - half;
    return {jx, jy};
}

// The speckled ribbon picks each line's shade at random, the third a little less often than the others.
COLORREF SpeckledShade() {
    int q = RandomBelow(11);
    return ShadeColour(q < 4 ? 0 : q < 8 ? 1 : 2);
}

COLORREF RibbonColour(ToolState state, int band) {
    static constexpr int kBands[] = {0, 1, 2, 1, 0};
    if (state == kSpeckledState) return SpeckledShade();
    return ShadeColour(state == kStripedState ? kBands[band] : 2 - kBands[band]);
}

// 5 × penWidth two-pixel lines side by side along the down-right diagonal, matching the press's dab.
void Ribbon(ToolState state, POINT a, POINT p) {
    UpdateShadeTriple();
    int w = CurrentBrush().penWidth;
    int t = StripedDabStart(w);
    for (int band = 0; band < 5; band++)
        for (int i = 0; i < w; i++, t++)
            PenSegment({a.x + t, a.y + t}, {p.x + t, p.y + t}, 2, RibbonColour(state, band));
}

// Now and then a drip runs down from the point and ends in a drop.
void Drip(POINT& from, POINT p) {
    COLORREF colour = RainbowColour();
    int w = CurrentBrush().penWidth;
    Drawing d(canvasWindow, appPalette);
    HPEN wide = d.MakePen(w, colour);
    HPEN thin = d.MakePen(1, colour);
    d.UsePen(wide);
    d.UseBrush(d.MakeSolidBrush(colour));
    DrawLine(d.dc(), from.x, from.y, p.x, p.y);
    from = p;
    if (RandomBelow(10) <= 7) return;
    int r = RandomBelow(2 * w) + 3;
    int e = p.y + RandomBelow(20 * w);
    DrawLine(d.dc(), p.x, p.y, p.x, e);
    d.UsePen(thin);
    Ellipse(d.dc(), p.x - r, e - r, p.x + r, e + r);
}

void RedGreenBlue(POINT a, POINT p) {
    static constexpr struct {
        int offset;
        COLORREF colour;
    } kLines[] = {{-3, 0x0000FF}, {-2, 0x0000FF}, {-1, 0x00FF00}, {0, 0x00FF00}, {1, 0xFF0000}, {2, 0xFF0000}};
    for (auto line : kLines)
        PenSegment({a.x + line.offset, a.y + line.offset}, {p.x + line.offset, p.y + line.offset}, 1, line.colour);
}

void PressThinWhenFast(CanvasStroke& stroke, ToolState) { PenDot(stroke.from, CurrentBrush().currentColour, 5); }

void PressThickWhenFast(CanvasStroke& stroke, ToolState) { PenDot(stroke.from, CurrentBrush().currentColour, 1); }

// The striped ribbons' and the speckled ribbon's dab of three shades.
void PressRibbon(CanvasStroke& stroke, ToolState state) {
    UpdateShadeTriple();
    int first = state == kStripedState ? 0 : state == kSpeckledState ? 1 : 2;
    int middle = state == kSpeckledState ? 2 : 1;
    int last = state == kStripedState ? 2 : 0;
    DrawStripedDab(canvasWindow, appPalette, stroke.from.x, stroke.from.y, CurrentBrush().penWidth, ShadeColour(first),
                   ShadeColour(middle), ShadeColour(last));
}

void PressRedGreenBlue(CanvasStroke& stroke, ToolState) {
    DrawRgbDab(canvasWindow, appPalette, stroke.from.x, stroke.from.y);
}

void MoveSpeedPen(CanvasStroke& stroke, ToolState state, POINT p) {
    PenSegment(stroke.from, p, SpeedWidth(state, stroke.from, p), CurrentBrush().currentColour);
    stroke.from = p;
}

void MoveZigzag(CanvasStroke& stroke, ToolState, POINT p) {
    Zigzag(stroke.from, p);
    stroke.from = p;
}

void MoveJittery(CanvasStroke& stroke, ToolState, POINT p) {
    POINT to = Jitter(p);
    PenSegment(stroke.from, to, CurrentBrush().penWidth, RainbowColour());
    stroke.from = to;
}

void MoveRibbon(CanvasStroke& stroke, ToolState state, POINT p) {
    Ribbon(state, stroke.from, p);
    stroke.from = p;
}

void MoveDripping(CanvasStroke& stroke, ToolState, POINT p) { Drip(stroke.from, p); }

void MoveRedGreenBlue(CanvasStroke& stroke, ToolState, POINT p) {
    RedGreenBlue(stroke.from, p);
    stroke.from = p;
}

const ToolRow kRows[] = {
    {.state = kThinWhenFastState, .press = PressThinWhenFast, .move = MoveSpeedPen, .cursor = kThinPenCursor,
     .pressSound = kConfettiSound},
    {.state = kThickWhenFastState, .press = PressThickWhenFast, .move = MoveSpeedPen, .cursor = kPenCursor},
    {.state = kZigzagState, .move = MoveZigzag, .pressSound = kZigzagSound},
    {.state = kJitteryState, .press = PressPenDot, .move = MoveJittery, .cursor = kPenCursor,
     .pressSound = kJitterySound},
    {.state = kStripedState, .press = PressRibbon, .move = MoveRibbon, .cursor = kRibbonCursor},
    {.state = kSpeckledState, .press = PressRibbon, .move = MoveRibbon, .cursor = kRibbonCursor},
    {.state = kStripedReversedState, .press = PressRibbon, .move = MoveRibbon, .cursor = kReversedRibbonCursor},
    {.state = kDrippingState, .press = PressPenDot, .move = MoveDripping, .cursor = kDripCursor},
    {.state = kRedGreenBlueState, .press = PressRedGreenBlue, .move = MoveRedGreenBlue},
};

}  // namespace

std::span<const ToolRow> GeometryPenRows() { return kRows; }
