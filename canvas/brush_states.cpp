// The freehand pens and brushes whose every press and move is one call of a drawing routine.
#include "canvas/marks.h"
#include "canvas/pen_strokes.h"
#include "canvas/tool_colours.h"
#include "canvas/tool_states.h"
#include "canvas/tools.h"
#include "draw/draw.h"
#include "shell/sound.h"
#include "shell/state.h"

namespace {

constexpr int kSmallEraser = 20, kLargeEraser = 40;

// States 21 to 24: the nib's mark on the press, its ribbon style four further on while dragging.
int NibStyle(int state) { return state - 20; }

void PressBrush(int state) {
    POINT a = pointA;
    switch (state) {
        case 1: PenDot(pointA, currentColour, penWidth); break;
        case 2:
            PlaySoundEffect(44, soundOn);
            SprayDots(a.x, a.y, penWidth, currentColour, colouringMode, canvasWindow, appPalette);
            break;
        case 15:
            PlaySoundEffect(7, soundOn);
            DrawLineBurst(canvasWindow, appPalette, penWidth, currentColour, a.x, a.y);
            break;
        case 16:
            PlaySoundEffect(32, soundOn);
            DrawEraserSquare(canvasWindow, appPalette, a.x, a.y, kSmallEraser, 0, 0, 0);
            break;
        case 17:
            PlaySoundEffect(2, soundOn);
            DrawEraserSquare(canvasWindow, appPalette, a.x, a.y, kLargeEraser, 0, 0, 0);
            break;
        case 19:
            PlaySoundEffect(43, soundOn);
            DrawConfettiBlob(a.x, a.y, kConfettiCircles);
            break;
        case 20: DrawFuzzyStroke(canvasWindow, appPalette, a.x, a.y, currentColour, a.x, a.y); break;
        case 21: case 22: case 23: case 24:
            DrawNibStroke(canvasWindow, appPalette, a.x, a.y, penWidth, currentColour, NibStyle(state), 0, 0);
            break;
        case 32:
            PlaySoundEffect(3, soundOn);
            DrawBirdSpeck(a.x, a.y);
            break;
        case 35:
            PlaySoundEffect(4, soundOn);
            DrawGrassTuft(a.x, a.y, currentColour, canvasWindow, appPalette);
            break;
        case 36:
            PlaySoundEffect(6, soundOn);
            DrawBubbles(penWidth, a.x, a.y, currentColour, canvasWindow, appPalette);
            break;
        case 40:
            PlaySoundEffect(44, soundOn);
            SprayShadeDots(a.x, a.y);
            break;
        case 44:
            PlaySoundEffect(43, soundOn);
            DrawConfettiBlob(a.x, a.y, kConfettiSquares);
            break;
        case 46:
            UpdateShadeTriple();
            DrawSparkleStroke(canvasWindow, appPalette, currentColour, ShadeColour(0), ShadeColour(1), ShadeColour(2),
                              a.x, a.y, a.x, a.y);
            break;
        case 48: DrawCrossHairLines(a.x, a.y); break;
        case 52: DrawSpeckledBlock(a.x, a.y); break;
        case 58:
            PlaySoundEffect(30, soundOn);
            ScatterPixels(a.x, a.y, canvasWindow, appPalette);
            break;
        case 61: PenDot(pointA, currentColour, penWidth); break;
        case 62: DrawSparkCross(a.x, a.y); break;
    }
}

}  // namespace

bool PressBrushState(int state) {
    switch (state) {
        case 1: case 2: case 15: case 16: case 17: case 19: case 20: case 21: case 22: case 23: case 24:
        case 32: case 35: case 36: case 40: case 44: case 46: case 48: case 52: case 58: case 61: case 62:
            PressBrush(state);
            strokeActive = 1;
            return true;
        default:
            return false;
    }
}

bool MoveBrushState(int state, POINT p) {
    switch (state) {
        case 1:
            PenSegment(pointA, p, penWidth, RainbowColour());
            pointA = p;
            return true;
        case 2: SprayDots(p.x, p.y, penWidth, RainbowColour(), colouringMode, canvasWindow, appPalette); return true;
        case 15: DrawLineBurst(canvasWindow, appPalette, penWidth, currentColour, p.x, p.y); return true;
        case 16: case 17:
            DrawEraserSquare(canvasWindow, appPalette, p.x, p.y, state == 16 ? kSmallEraser : kLargeEraser, pointA.x,
                             pointA.y, 1);
            pointA = p;
            return true;
        case 19: DrawConfettiBlob(p.x, p.y, kConfettiCircles); return true;
        case 20:
            DrawFuzzyStroke(canvasWindow, appPalette, pointA.x, pointA.y, RainbowColour(), p.x, p.y);
            pointA = p;
            return true;
        case 21: case 22: case 23: case 24:
            DrawNibStroke(canvasWindow, appPalette, pointA.x, pointA.y, penWidth, RainbowColour(), NibStyle(state) + 4,
                          p.x, p.y);
            pointA = p;
            return true;
        case 32: DrawBirdSpeck(p.x, p.y); return true;
        case 35: DrawGrassTuft(p.x, p.y, RainbowColour(), canvasWindow, appPalette); return true;
        case 36: DrawBubbles(penWidth, p.x, p.y, RainbowColour(), canvasWindow, appPalette); return true;
        // The fan: every line starts at the press point.
        case 37: PenSegment(pointA, p, penWidth, RainbowColour()); return true;
        case 40: SprayShadeDots(p.x, p.y); return true;
        case 44: DrawConfettiBlob(p.x, p.y, kConfettiSquares); return true;
        case 46:
            DrawSparkleStroke(canvasWindow, appPalette, currentColour, ShadeColour(0), ShadeColour(1), ShadeColour(2),
                              p.x, p.y, pointA.x, pointA.y);
            pointA = p;
            return true;
        case 48: DrawCrossHairLines(p.x, p.y); return true;
        case 52: DrawSpeckledBlock(p.x, p.y); return true;
        case 58: ScatterPixels(p.x, p.y, canvasWindow, appPalette); return true;
        case 61:
            DrawForkStroke(p.x, p.y);
            pointA = p;
            return true;
        case 62: DrawSparkCross(p.x, p.y); return true;
        default: return false;
    }
}

// The erasers' last square goes down without its frame.
bool ReleaseBrushState(int state) {
    if (state != 16 && state != 17) return false;
    DrawEraserSquare(canvasWindow, appPalette, pointA.x, pointA.y, state == 16 ? kSmallEraser : kLargeEraser, 0, 0, 2);
    return true;
}
