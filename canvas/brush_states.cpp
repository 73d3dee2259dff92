// The freehand pens and brushes whose every press and move is one call of a drawing routine.
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/marks.h"
#include "canvas/pen_strokes.h"
#include "canvas/tool_colours.h"
#include "canvas/tool_states.h"
#include "draw/draw.h"

namespace {

constexpr int kSmallEraser = 20, kLargeEraser = 40;

// The four nibs: the nib's mark on the press, its ribbon style four further on while dragging.
int NibStyle(ToolState state) { return state - kSlashNibState + 1; }

int EraserSide(ToolState state) { return state == kSmallEraserState ? kSmallEraser : kLargeEraser; }

int ConfettiOf(ToolState state) { return state == kConfettiCirclesState ? kConfettiCircles : kConfettiSquares; }

}  // namespace

void PressPenDot(Stroke& stroke, ToolState) {
    PenDot(stroke.from, CurrentBrush().currentColour, CurrentBrush().penWidth);
}

void PressSpray(Stroke& stroke, ToolState) {
    const BrushChoice& brush = CurrentBrush();
    SprayDots(stroke.from.x, stroke.from.y, brush.penWidth, brush.currentColour, brush.colouringMode, canvasWindow,
              appPalette);
}

void PressLineBurst(Stroke& stroke, ToolState) {
    DrawLineBurst(canvasWindow, appPalette, CurrentBrush().penWidth, CurrentBrush().currentColour, stroke.from.x,
                  stroke.from.y);
}

void PressEraser(Stroke& stroke, ToolState state) {
    DrawEraserSquare(canvasWindow, appPalette, stroke.from.x, stroke.from.y, EraserSide(state), 0, 0, 0);
}

void PressConfetti(Stroke& stroke, ToolState state) {
    DrawConfettiBlob(stroke.from.x, stroke.from.y, ConfettiOf(state));
}

void PressFuzzyPen(Stroke& stroke, ToolState) {
    POINT a = stroke.from;
    DrawFuzzyStroke(canvasWindow, appPalette, a.x, a.y, CurrentBrush().currentColour, a.x, a.y);
}

void PressNib(Stroke& stroke, ToolState state) {
    DrawNibStroke(canvasWindow, appPalette, stroke.from.x, stroke.from.y, CurrentBrush().penWidth,
                  CurrentBrush().currentColour, NibStyle(state), 0, 0);
}

void PressBirds(Stroke& stroke, ToolState) { DrawBirdSpeck(stroke.from.x, stroke.from.y); }

void PressGrass(Stroke& stroke, ToolState) {
    DrawGrassTuft(stroke.from.x, stroke.from.y, CurrentBrush().currentColour, canvasWindow, appPalette);
}

void PressBubbles(Stroke& stroke, ToolState) {
    DrawBubbles(CurrentBrush().penWidth, stroke.from.x, stroke.from.y, CurrentBrush().currentColour, canvasWindow,
                appPalette);
}

void PressShadeSpray(Stroke& stroke, ToolState) { SprayShadeDots(stroke.from.x, stroke.from.y); }

void PressSparkle(Stroke& stroke, ToolState) {
    POINT a = stroke.from;
    UpdateShadeTriple();
    DrawSparkleStroke(canvasWindow, appPalette, CurrentBrush().currentColour, ShadeColour(0), ShadeColour(1),
                      ShadeColour(2), a.x, a.y, a.x, a.y);
}

void PressCrossHair(Stroke& stroke, ToolState) { DrawCrossHairLines(stroke.from.x, stroke.from.y); }

void PressSpeckledBlock(Stroke& stroke, ToolState) { DrawSpeckledBlock(stroke.from.x, stroke.from.y); }

void PressPixelScatter(Stroke& stroke, ToolState) {
    ScatterPixels(stroke.from.x, stroke.from.y, canvasWindow, appPalette);
}

void PressSparkCross(Stroke& stroke, ToolState) { DrawSparkCross(stroke.from.x, stroke.from.y); }

void MoveFreehandPen(Stroke& stroke, ToolState, POINT p) {
    PenSegment(stroke.from, p, CurrentBrush().penWidth, RainbowColour());
    stroke.from = p;
}

void MoveSpray(Stroke&, ToolState, POINT p) {
    const BrushChoice& brush = CurrentBrush();
    SprayDots(p.x, p.y, brush.penWidth, RainbowColour(), brush.colouringMode, canvasWindow, appPalette);
}

void MoveLineBurst(Stroke&, ToolState, POINT p) {
    DrawLineBurst(canvasWindow, appPalette, CurrentBrush().penWidth, CurrentBrush().currentColour, p.x, p.y);
}

void MoveEraser(Stroke& stroke, ToolState state, POINT p) {
    DrawEraserSquare(canvasWindow, appPalette, p.x, p.y, EraserSide(state), stroke.from.x, stroke.from.y, 1);
    stroke.from = p;
}

void MoveConfetti(Stroke&, ToolState state, POINT p) { DrawConfettiBlob(p.x, p.y, ConfettiOf(state)); }

void MoveFuzzyPen(Stroke& stroke, ToolState, POINT p) {
    DrawFuzzyStroke(canvasWindow, appPalette, stroke.from.x, stroke.from.y, RainbowColour(), p.x, p.y);
    stroke.from = p;
}

void MoveNib(Stroke& stroke, ToolState state, POINT p) {
    DrawNibStroke(canvasWindow, appPalette, stroke.from.x, stroke.from.y, CurrentBrush().penWidth, RainbowColour(),
                  NibStyle(state) + 4, p.x, p.y);
    stroke.from = p;
}

void MoveBirds(Stroke&, ToolState, POINT p) { DrawBirdSpeck(p.x, p.y); }

void MoveGrass(Stroke&, ToolState, POINT p) { DrawGrassTuft(p.x, p.y, RainbowColour(), canvasWindow, appPalette); }

void MoveBubbles(Stroke&, ToolState, POINT p) {
    DrawBubbles(CurrentBrush().penWidth, p.x, p.y, RainbowColour(), canvasWindow, appPalette);
}

// Every line of the fan starts at the press point.
void MoveFan(Stroke& stroke, ToolState, POINT p) {
    PenSegment(stroke.from, p, CurrentBrush().penWidth, RainbowColour());
}

void MoveShadeSpray(Stroke&, ToolState, POINT p) { SprayShadeDots(p.x, p.y); }

void MoveSparkle(Stroke& stroke, ToolState, POINT p) {
    DrawSparkleStroke(canvasWindow, appPalette, CurrentBrush().currentColour, ShadeColour(0), ShadeColour(1),
                      ShadeColour(2), p.x, p.y, stroke.from.x, stroke.from.y);
    stroke.from = p;
}

void MoveCrossHair(Stroke&, ToolState, POINT p) { DrawCrossHairLines(p.x, p.y); }

void MoveSpeckledBlock(Stroke&, ToolState, POINT p) { DrawSpeckledBlock(p.x, p.y); }

void MovePixelScatter(Stroke&, ToolState, POINT p) { ScatterPixels(p.x, p.y, canvasWindow, appPalette); }

void MoveFork(Stroke& stroke, ToolState, POINT p) {
    DrawForkStroke(stroke.from, p.x, p.y);
    stroke.from = p;
}

void MoveSparkCross(Stroke&, ToolState, POINT p) { DrawSparkCross(p.x, p.y); }

// The erasers' last square goes down without its frame.
void ReleaseEraser(Stroke& stroke, ToolState state, POINT) {
    DrawEraserSquare(canvasWindow, appPalette, stroke.from.x, stroke.from.y, EraserSide(state), 0, 0, 2);
}
