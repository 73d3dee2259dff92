// The freehand pens and brushes whose every press and move is one call of a drawing routine.
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/marks.h"
#include "canvas/pen_strokes.h"
#include "canvas/tool_colours.h"
#include "canvas/tool_states.h"
#include "canvas/tools.h"
#include "draw/draw.h"

namespace {

constexpr int kSmallEraser = 20, kLargeEraser = 40;

// The four nibs: the nib's mark on the press, its ribbon style four further on while dragging.
int NibStyle(int state) { return state - kSlashNibState + 1; }

int EraserSide(int state) { return state == kSmallEraserState ? kSmallEraser : kLargeEraser; }

void PressBrush(int state) {
    POINT a = pointA;
    switch (state) {
        case kFreehandPenState: PenDot(pointA, CurrentBrush().currentColour, CurrentBrush().penWidth); break;
        case kSprayCanState:
            PlaySoundEffect(kSpraySound);
            SprayDots(a.x, a.y, CurrentBrush().penWidth, CurrentBrush().currentColour, CurrentBrush().colouringMode, canvasWindow, appPalette);
            break;
        case kLineBurstState:
            PlaySoundEffect(kBurstSound);
            DrawLineBurst(canvasWindow, appPalette, CurrentBrush().penWidth, CurrentBrush().currentColour, a.x, a.y);
            break;
        case kSmallEraserState:
            PlaySoundEffect(kSmallEraserSound);
            DrawEraserSquare(canvasWindow, appPalette, a.x, a.y, kSmallEraser, 0, 0, 0);
            break;
        case kLargeEraserState:
            PlaySoundEffect(kLargeEraserSound);
            DrawEraserSquare(canvasWindow, appPalette, a.x, a.y, kLargeEraser, 0, 0, 0);
            break;
        case kConfettiCirclesState:
            PlaySoundEffect(kConfettiSound);
            DrawConfettiBlob(a.x, a.y, kConfettiCircles);
            break;
        case kFuzzyPenState: DrawFuzzyStroke(canvasWindow, appPalette, a.x, a.y, CurrentBrush().currentColour, a.x, a.y); break;
        case kSlashNibState: case kBackslashNibState: case kVerticalNibState: case kHorizontalNibState:
            DrawNibStroke(canvasWindow, appPalette, a.x, a.y, CurrentBrush().penWidth, CurrentBrush().currentColour, NibStyle(state), 0, 0);
            break;
        case kBirdsState:
            PlaySoundEffect(kBirdsSound);
            DrawBirdSpeck(a.x, a.y);
            break;
        case kGrassState:
            PlaySoundEffect(kGrassSound);
            DrawGrassTuft(a.x, a.y, CurrentBrush().currentColour, canvasWindow, appPalette);
            break;
        case kBubblesState:
            PlaySoundEffect(kBubblesSound);
            DrawBubbles(CurrentBrush().penWidth, a.x, a.y, CurrentBrush().currentColour, canvasWindow, appPalette);
            break;
        case kShadeSprayState:
            PlaySoundEffect(kSpraySound);
            SprayShadeDots(a.x, a.y);
            break;
        case kConfettiSquaresState:
            PlaySoundEffect(kConfettiSound);
            DrawConfettiBlob(a.x, a.y, kConfettiSquares);
            break;
        case kSparkleState:
            UpdateShadeTriple();
            DrawSparkleStroke(canvasWindow, appPalette, CurrentBrush().currentColour, ShadeColour(0), ShadeColour(1), ShadeColour(2),
                              a.x, a.y, a.x, a.y);
            break;
        case kCrossHairState: DrawCrossHairLines(a.x, a.y); break;
        case kSpeckledBlocksState: DrawSpeckledBlock(a.x, a.y); break;
        case kPixelScatterState:
            PlaySoundEffect(kPixelScatterSound);
            ScatterPixels(a.x, a.y, canvasWindow, appPalette);
            break;
        case kForkPenState: PenDot(pointA, CurrentBrush().currentColour, CurrentBrush().penWidth); break;
        case kSparkCrossState: DrawSparkCross(a.x, a.y); break;
    }
}

}  // namespace

bool PressBrushState(int state) {
    switch (state) {
        case kFreehandPenState: case kSprayCanState: case kLineBurstState: case kSmallEraserState:
        case kLargeEraserState: case kConfettiCirclesState: case kFuzzyPenState: case kSlashNibState:
        case kBackslashNibState: case kVerticalNibState: case kHorizontalNibState: case kBirdsState: case kGrassState:
        case kBubblesState: case kShadeSprayState: case kConfettiSquaresState: case kSparkleState:
        case kCrossHairState: case kSpeckledBlocksState: case kPixelScatterState: case kForkPenState:
        case kSparkCrossState:
            PressBrush(state);
            strokeActive = 1;
            return true;
        default:
            return false;
    }
}

bool MoveBrushState(int state, POINT p) {
    switch (state) {
        case kFreehandPenState:
            PenSegment(pointA, p, CurrentBrush().penWidth, RainbowColour());
            pointA = p;
            return true;
        case kSprayCanState:
            SprayDots(p.x, p.y, CurrentBrush().penWidth, RainbowColour(), CurrentBrush().colouringMode, canvasWindow, appPalette);
            return true;
        case kLineBurstState: DrawLineBurst(canvasWindow, appPalette, CurrentBrush().penWidth, CurrentBrush().currentColour, p.x, p.y); return true;
        case kSmallEraserState: case kLargeEraserState:
            DrawEraserSquare(canvasWindow, appPalette, p.x, p.y, EraserSide(state), pointA.x, pointA.y, 1);
            pointA = p;
            return true;
        case kConfettiCirclesState: DrawConfettiBlob(p.x, p.y, kConfettiCircles); return true;
        case kFuzzyPenState:
            DrawFuzzyStroke(canvasWindow, appPalette, pointA.x, pointA.y, RainbowColour(), p.x, p.y);
            pointA = p;
            return true;
        case kSlashNibState: case kBackslashNibState: case kVerticalNibState: case kHorizontalNibState:
            DrawNibStroke(canvasWindow, appPalette, pointA.x, pointA.y, CurrentBrush().penWidth, RainbowColour(), NibStyle(state) + 4,
                          p.x, p.y);
            pointA = p;
            return true;
        case kBirdsState: DrawBirdSpeck(p.x, p.y); return true;
        case kGrassState: DrawGrassTuft(p.x, p.y, RainbowColour(), canvasWindow, appPalette); return true;
        case kBubblesState: DrawBubbles(CurrentBrush().penWidth, p.x, p.y, RainbowColour(), canvasWindow, appPalette); return true;
        // The fan: every line starts at the press point.
        case kFanState: PenSegment(pointA, p, CurrentBrush().penWidth, RainbowColour()); return true;
        case kShadeSprayState: SprayShadeDots(p.x, p.y); return true;
        case kConfettiSquaresState: DrawConfettiBlob(p.x, p.y, kConfettiSquares); return true;
        case kSparkleState:
            DrawSparkleStroke(canvasWindow, appPalette, CurrentBrush().currentColour, ShadeColour(0), ShadeColour(1), ShadeColour(2),
                              p.x, p.y, pointA.x, pointA.y);
            pointA = p;
            return true;
        case kCrossHairState: DrawCrossHairLines(p.x, p.y); return true;
        case kSpeckledBlocksState: DrawSpeckledBlock(p.x, p.y); return true;
        case kPixelScatterState: ScatterPixels(p.x, p.y, canvasWindow, appPalette); return true;
        case kForkPenState:
            DrawForkStroke(p.x, p.y);
            pointA = p;
            return true;
        case kSparkCrossState: DrawSparkCross(p.x, p.y); return true;
        default: return false;
    }
}

// The erasers' last square goes down without its frame.
bool ReleaseBrushState(int state) {
    if (state != kSmallEraserState && state != kLargeEraserState) return false;
    DrawEraserSquare(canvasWindow, appPalette, pointA.x, pointA.y, EraserSide(state), 0, 0, 2);
    return true;
}
