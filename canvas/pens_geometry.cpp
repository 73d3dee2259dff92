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
#include "canvas/tool_states.h"
#include "canvas/tools.h"
#include "draw/canvas_drawing.h"
#include "draw/draw.h"

namespace {


// The further the mouse went since the last move, the thinner (state 13) or thicker (14) the line.
int SpeedWidth(int state, POINT p) {
    int d = std::max(std::abs(p.x - pointA.x), std::abs(p.y - pointA.y));
    int step = d <= 4 ? 0 : d <= 9 ? 1 : d <= 19 ? 2 : 3;
    return state == kThinWhenFastState ? 4 - step : 2 + step;
}

// Kinks at a third and two thirds of the way across, k above and k below the mouse's height.
void Zigzag(POINT p) {
    POINT a = pointA;
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
    POINT up{m1, p.y + k}, down{m2, p.y - k};
    PenSegment(a, up, CurrentBrush().penWidth, colour);
    PenSegment(up, down, CurrentBrush().penWidth, colour);
    PenSegment(down, p, CurrentBrush().penWidth, colour);
}

// The jittered point starts the next segment.
POINT Jitter(POINT p) {
    int spread = 20 * CurrentBrush().penWidth, half = 10 * CurrentBrush().penWidth;
    int jx = RandomBelow(spread) + p.x - half;
    int jy = RandomBelow(spread) + p.y - half;
    return {jx, jy};
}

// The speckled ribbon picks each line's shade at random, the third a little less often than the others.
COLORREF SpeckledShade() {
    int q = RandomBelow(11);
    return ShadeColour(q < 4 ? 0 : q < 8 ? 1 : 2);
}

COLORREF RibbonColour(int state, int band) {
    static constexpr int kBands[] = {0, 1, 2, 1, 0};
    if (state == kSpeckledState) return SpeckledShade();
    return ShadeColour(state == kStripedState ? kBands[band] : 2 - kBands[band]);
}

// 5 × penWidth two-pixel lines side by side along the down-right diagonal, matching the press's dab.
void Ribbon(int state, POINT p) {
    UpdateShadeTriple();
    int t = StripedDabStart(CurrentBrush().penWidth);
    for (int band = 0; band < 5; band++)
        for (int i = 0; i < CurrentBrush().penWidth; i++, t++)
            PenSegment({pointA.x + t, pointA.y + t}, {p.x + t, p.y + t}, 2, RibbonColour(state, band));
}

// Now and then a drip runs down from the point and ends in a drop.
void Drip(POINT p) {
    COLORREF colour = RainbowColour();
    CanvasDrawing d(canvasWindow, appPalette);
    HPEN wide = d.MakePen(CurrentBrush().penWidth, colour);
    HPEN thin = d.MakePen(1, colour);
    d.UsePen(wide);
    d.UseBrush(d.MakeSolidBrush(colour));
    DrawLine(d.dc(), pointA.x, pointA.y, p.x, p.y);
    pointA = p;
    if (RandomBelow(10) <= 7) return;
    int r = RandomBelow(2 * CurrentBrush().penWidth) + 3;
    int e = p.y + RandomBelow(20 * CurrentBrush().penWidth);
    DrawLine(d.dc(), p.x, p.y, p.x, e);
    d.UsePen(thin);
    Ellipse(d.dc(), p.x - r, e - r, p.x + r, e + r);
}

void RedGreenBlue(POINT p) {
    static constexpr struct {
        int offset;
        COLORREF colour;
    } kLines[] = {{-3, 0x0000FF}, {-2, 0x0000FF}, {-1, 0x00FF00}, {0, 0x00FF00}, {1, 0xFF0000}, {2, 0xFF0000}};
    for (auto line : kLines)
        PenSegment({pointA.x + line.offset, pointA.y + line.offset}, {p.x + line.offset, p.y + line.offset}, 1,
                line.colour);
}

}  // namespace

bool PressGeometryPenState(int state) {
    switch (state) {
        case kThinWhenFastState:
            PlaySoundEffect(kConfettiSound);
            PenDot(pointA, CurrentBrush().currentColour, 5);
            break;
        case kThickWhenFastState: PenDot(pointA, CurrentBrush().currentColour, 1); break;
        case kZigzagState: PlaySoundEffect(kZigzagSound); break;
        case kJitteryState:
            PlaySoundEffect(kJitterySound);
            PenDot(pointA, CurrentBrush().currentColour, CurrentBrush().penWidth);
            break;
        case kStripedState: case kSpeckledState: case kStripedReversedState: {
            UpdateShadeTriple();
            int first = state == kStripedState ? 0 : state == kSpeckledState ? 1 : 2;
            int middle = state == kSpeckledState ? 2 : 1;
            int last = state == kStripedState ? 2 : 0;
            DrawStripedDab(canvasWindow, appPalette, pointA.x, pointA.y, ShadeColour(first), ShadeColour(middle),
                           ShadeColour(last), CurrentBrush().penWidth);
            break;
        }
        case kDrippingState: PenDot(pointA, CurrentBrush().currentColour, CurrentBrush().penWidth); break;
        case kRedGreenBlueState: DrawRgbDab(canvasWindow, appPalette, pointA.x, pointA.y); break;
        default: return false;
    }
    strokeActive = 1;
    return true;
}

bool MoveGeometryPenState(int state, POINT p) {
    switch (state) {
        case kThinWhenFastState: case kThickWhenFastState:
            PenSegment(pointA, p, SpeedWidth(state, p), CurrentBrush().currentColour);
            pointA = p;
            return true;
        case kZigzagState:
            Zigzag(p);
            pointA = p;
            return true;
        case kJitteryState: {
            POINT to = Jitter(p);
            PenSegment(pointA, to, CurrentBrush().penWidth, RainbowColour());
            pointA = to;
            return true;
        }
        case kStripedState: case kSpeckledState: case kStripedReversedState:
            Ribbon(state, p);
            pointA = p;
            return true;
        case kDrippingState: Drip(p); return true;
        case kRedGreenBlueState:
            RedGreenBlue(p);
            pointA = p;
            return true;
        default: return false;
    }
}
