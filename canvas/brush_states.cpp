// The freehand pens and brushes whose every press and move is one call of a drawing routine.
#include "base/sound.h"
#include "base/state.h"
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
        case kFreehandPenState: PenDot(pointA, currentColour, penWidth); break;
        case kSprayCanState:
            PlaySoundEffect(kSpraySound, soundOn);
            SprayDots(a.x, a.y, penWidth, currentColour, colouringMode, canvasWindow, appPalette);
            break;
        case kLineBurstState:
            PlaySoundEffect(kBurstSound, soundOn);
            DrawLineBurst(canvasWindow, appPalette, penWidth, currentColour, a.x, a.y);
            break;
        case kSmallEraserState:
            PlaySoundEffect(kSmallEraserSound, soundOn);
            DrawEraserSquare(canvasWindow, appPalette, a.x, a.y, kSmallEraser, 0, 0, 0);
            break;
        case kLargeEraserState:
            PlaySoundEffect(kLargeEraserSound, soundOn);
            DrawEraserSquare(canvasWindow, appPalette, a.x, a.y, kLargeEraser, 0, 0, 0);
            break;
        case kConfettiCirclesState:
            PlaySoundEffect(kConfettiSound, soundOn);
            DrawConfettiBlob(a.x, a.y, kConfettiCircles);
            break;
        case kFuzzyPenState: DrawFuzzyStroke(canvasWindow, appPalette, a.x, a.y, currentColour, a.x, a.y); break;
        case kSlashNibState: case kBackslashNibState: case kVerticalNibState: case kHorizontalNibState:
            DrawNibStroke(canvasWindow, appPalette, a.x, a.y, penWidth, currentColour, NibStyle(state), 0, 0);
            break;
        case kBirdsState:
            PlaySoundEffect(kBirdsSound, soundOn);
            DrawBirdSpeck(a.x, a.y);
            break;
        case kGrassState:
            PlaySoundEffect(kGrassSound, soundOn);
            DrawGrassTuft(a.x, a.y, currentColour, canvasWindow, appPalette);
            break;
        case kBubblesState:
            PlaySoundEffect(kBubblesSound, soundOn);
            DrawBubbles(penWidth, a.x, a.y, currentColour, canvasWindow, appPalette);
            break;
        case kShadeSprayState:
            PlaySoundEffect(kSpraySound, soundOn);
            SprayShadeDots(a.x, a.y);
            break;
        case kConfettiSquaresState:
            PlaySoundEffect(kConfettiSound, soundOn);
            DrawConfettiBlob(a.x, a.y, kConfettiSquares);
            break;
        case kSparkleState:
            UpdateShadeTriple();
            DrawSparkleStroke(canvasWindow, appPalette, currentColour, ShadeColour(0), ShadeColour(1), ShadeColour(2),
                              a.x, a.y, a.x, a.y);
            break;
        case kCrossHairState: DrawCrossHairLines(a.x, a.y); break;
        case kSpeckledBlocksState: DrawSpeckledBlock(a.x, a.y); break;
        case kPixelScatterState:
            PlaySoundEffect(kPixelScatterSound, soundOn);
            ScatterPixels(a.x, a.y, canvasWindow, appPalette);
            break;
        case kForkPenState: PenDot(pointA, currentColour, penWidth); break;
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
            PenSegment(pointA, p, penWidth, RainbowColour());
            pointA = p;
            return true;
        case kSprayCanState:
            SprayDots(p.x, p.y, penWidth, RainbowColour(), colouringMode, canvasWindow, appPalette);
            return true;
        case kLineBurstState: DrawLineBurst(canvasWindow, appPalette, penWidth, currentColour, p.x, p.y); return true;
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
            DrawNibStroke(canvasWindow, appPalette, pointA.x, pointA.y, penWidth, RainbowColour(), NibStyle(state) + 4,
                          p.x, p.y);
            pointA = p;
            return true;
        case kBirdsState: DrawBirdSpeck(p.x, p.y); return true;
        case kGrassState: DrawGrassTuft(p.x, p.y, RainbowColour(), canvasWindow, appPalette); return true;
        case kBubblesState: DrawBubbles(penWidth, p.x, p.y, RainbowColour(), canvasWindow, appPalette); return true;
        // The fan: every line starts at the press point.
        case kFanState: PenSegment(pointA, p, penWidth, RainbowColour()); return true;
        case kShadeSprayState: SprayShadeDots(p.x, p.y); return true;
        case kConfettiSquaresState: DrawConfettiBlob(p.x, p.y, kConfettiSquares); return true;
        case kSparkleState:
            DrawSparkleStroke(canvasWindow, appPalette, currentColour, ShadeColour(0), ShadeColour(1), ShadeColour(2),
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
