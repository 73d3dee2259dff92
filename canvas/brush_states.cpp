// The freehand pens and brushes whose every press and move is one call of a drawing routine.
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/marks.h"
#include "canvas/pen_strokes.h"
#include "canvas/tool_colours.h"
#include "canvas/tool_table.h"
#include "draw/draw.h"

namespace {

constexpr int kSmallEraser = 20, kLargeEraser = 40;

// The four nibs: the nib's mark on the press, its ribbon while dragging.
NibStyle NibMark(ToolState state) { return NibStyle(kRisingMark + (state - kSlashNibState)); }
NibStyle NibRibbon(ToolState state) { return NibStyle(kRisingRibbon + (state - kSlashNibState)); }

int EraserSide(ToolState state) { return state == kSmallEraserState ? kSmallEraser : kLargeEraser; }

int ConfettiOf(ToolState state) { return state == kConfettiCirclesState ? kConfettiCircles : kConfettiSquares; }

void PressSpray(CanvasStroke& stroke, ToolState) {
    const BrushChoice& brush = CurrentBrush();
    SprayDots(canvasWindow, appPalette, stroke.from.x, stroke.from.y, brush.penWidth, brush.currentColour,
              brush.colouringMode);
}

void PressLineBurst(CanvasStroke& stroke, ToolState) {
    DrawLineBurst(canvasWindow, appPalette, stroke.from.x, stroke.from.y, CurrentBrush().penWidth,
                  CurrentBrush().currentColour);
}

void PressEraser(CanvasStroke& stroke, ToolState state) {
    DrawEraserSquare(canvasWindow, appPalette, stroke.from.x, stroke.from.y, 0, 0, EraserSide(state), kEraserPress);
}

void PressConfetti(CanvasStroke& stroke, ToolState state) {
    DrawConfettiBlob(stroke.from.x, stroke.from.y, ConfettiOf(state));
}

void PressFuzzyPen(CanvasStroke& stroke, ToolState) {
    POINT a = stroke.from;
    DrawFuzzyStroke(canvasWindow, appPalette, a.x, a.y, a.x, a.y, CurrentBrush().currentColour);
}

void PressNib(CanvasStroke& stroke, ToolState state) {
    DrawNibStroke(canvasWindow, appPalette, stroke.from.x, stroke.from.y, 0, 0, CurrentBrush().penWidth,
                  CurrentBrush().currentColour, NibMark(state));
}

void PressBirds(CanvasStroke& stroke, ToolState) { DrawBirdSpeck(stroke.from.x, stroke.from.y); }

void PressGrass(CanvasStroke& stroke, ToolState) {
    DrawGrassTuft(canvasWindow, appPalette, stroke.from.x, stroke.from.y, CurrentBrush().currentColour);
}

void PressBubbles(CanvasStroke& stroke, ToolState) {
    DrawBubbles(canvasWindow, appPalette, stroke.from.x, stroke.from.y, CurrentBrush().penWidth,
                CurrentBrush().currentColour);
}

void PressShadeSpray(CanvasStroke& stroke, ToolState) { SprayShadeDots(stroke.from.x, stroke.from.y); }

void PressSparkle(CanvasStroke& stroke, ToolState) {
    POINT a = stroke.from;
    UpdateShadeTriple();
    DrawSparkleStroke(canvasWindow, appPalette, a.x, a.y, a.x, a.y, CurrentBrush().currentColour, ShadeColour(0),
                      ShadeColour(1), ShadeColour(2));
}

void PressCrossHair(CanvasStroke& stroke, ToolState) { DrawCrossHairLines(stroke.from.x, stroke.from.y); }

void PressSpeckledBlock(CanvasStroke& stroke, ToolState) { DrawSpeckledBlock(stroke.from.x, stroke.from.y); }

void PressPixelScatter(CanvasStroke& stroke, ToolState) {
    ScatterPixels(canvasWindow, appPalette, stroke.from.x, stroke.from.y);
}

void PressSparkCross(CanvasStroke& stroke, ToolState) { DrawSparkCross(stroke.from.x, stroke.from.y); }

void MoveFreehandPen(CanvasStroke& stroke, ToolState, POINT p) {
    PenSegment(stroke.from, p, CurrentBrush().penWidth, RainbowColour());
    stroke.from = p;
}

void MoveSpray(CanvasStroke&, ToolState, POINT p) {
    const BrushChoice& brush = CurrentBrush();
    SprayDots(canvasWindow, appPalette, p.x, p.y, brush.penWidth, RainbowColour(), brush.colouringMode);
}

void MoveLineBurst(CanvasStroke&, ToolState, POINT p) {
    DrawLineBurst(canvasWindow, appPalette, p.x, p.y, CurrentBrush().penWidth, CurrentBrush().currentColour);
}

void MoveEraser(CanvasStroke& stroke, ToolState state, POINT p) {
    DrawEraserSquare(canvasWindow, appPalette, p.x, p.y, stroke.from.x, stroke.from.y, EraserSide(state), kEraserDrag);
    stroke.from = p;
}

void MoveConfetti(CanvasStroke&, ToolState state, POINT p) { DrawConfettiBlob(p.x, p.y, ConfettiOf(state)); }

void MoveFuzzyPen(CanvasStroke& stroke, ToolState, POINT p) {
    DrawFuzzyStroke(canvasWindow, appPalette, stroke.from.x, stroke.from.y, p.x, p.y, RainbowColour());
    stroke.from = p;
}

void MoveNib(CanvasStroke& stroke, ToolState state, POINT p) {
    DrawNibStroke(canvasWindow, appPalette, stroke.from.x, stroke.from.y, p.x, p.y, CurrentBrush().penWidth,
                  RainbowColour(), NibRibbon(state));
    stroke.from = p;
}

void MoveBirds(CanvasStroke&, ToolState, POINT p) { DrawBirdSpeck(p.x, p.y); }

void MoveGrass(CanvasStroke&, ToolState, POINT p) {
    DrawGrassTuft(canvasWindow, appPalette, p.x, p.y, RainbowColour());
}

void MoveBubbles(CanvasStroke&, ToolState, POINT p) {
    DrawBubbles(canvasWindow, appPalette, p.x, p.y, CurrentBrush().penWidth, RainbowColour());
}

// Every line of the fan starts at the press point.
void MoveFan(CanvasStroke& stroke, ToolState, POINT p) {
    PenSegment(stroke.from, p, CurrentBrush().penWidth, RainbowColour());
}

void MoveShadeSpray(CanvasStroke&, ToolState, POINT p) { SprayShadeDots(p.x, p.y); }

void MoveSparkle(CanvasStroke& stroke, ToolState, POINT p) {
    DrawSparkleStroke(canvasWindow, appPalette, p.x, p.y, stroke.from.x, stroke.from.y, CurrentBrush().currentColour,
                      ShadeColour(0), ShadeColour(1), ShadeColour(2));
    stroke.from = p;
}

void MoveCrossHair(CanvasStroke&, ToolState, POINT p) { DrawCrossHairLines(p.x, p.y); }

void MoveSpeckledBlock(CanvasStroke&, ToolState, POINT p) { DrawSpeckledBlock(p.x, p.y); }

void MovePixelScatter(CanvasStroke&, ToolState, POINT p) { ScatterPixels(canvasWindow, appPalette, p.x, p.y); }

void MoveFork(CanvasStroke& stroke, ToolState, POINT p) {
    DrawForkStroke(stroke.from, p.x, p.y);
    stroke.from = p;
}

void MoveSparkCross(CanvasStroke&, ToolState, POINT p) { DrawSparkCross(p.x, p.y); }

// The erasers' last square goes down without its frame.
void ReleaseEraser(CanvasStroke& stroke, ToolState state, POINT) {
    DrawEraserSquare(canvasWindow, appPalette, stroke.from.x, stroke.from.y, 0, 0, EraserSide(state), kEraserRelease);
}

const ToolRow kRows[] = {
    {.state = kFreehandPenState, .press = PressPenDot, .move = MoveFreehandPen, .cursor = kPenCursor},
    {.state = kSprayCanState, .press = PressSpray, .move = MoveSpray, .cursor = kSprayCursor,
     .pressSound = kSpraySound},
    {.state = kLineBurstState, .press = PressLineBurst, .move = MoveLineBurst, .cursor = kBurstCursor,
     .pressSound = kBurstSound},
    {.state = kSmallEraserState, .press = PressEraser, .move = MoveEraser, .release = ReleaseEraser,
     .pressSound = kSmallEraserSound},
    {.state = kLargeEraserState, .press = PressEraser, .move = MoveEraser, .release = ReleaseEraser,
     .pressSound = kLargeEraserSound},
    {.state = kConfettiCirclesState, .press = PressConfetti, .move = MoveConfetti, .cursor = kConfettiCursor,
     .pressSound = kConfettiSound},
    {.state = kFuzzyPenState, .press = PressFuzzyPen, .move = MoveFuzzyPen, .cursor = kSoftPenCursor},
    {.state = kSlashNibState, .press = PressNib, .move = MoveNib},
    {.state = kBackslashNibState, .press = PressNib, .move = MoveNib},
    {.state = kVerticalNibState, .press = PressNib, .move = MoveNib, .cursor = kVerticalNibCursor},
    {.state = kHorizontalNibState, .press = PressNib, .move = MoveNib, .cursor = kHorizontalNibCursor},
    {.state = kBirdsState, .press = PressBirds, .move = MoveBirds, .cursor = kBirdsCursor, .pressSound = kBirdsSound},
    {.state = kGrassState, .press = PressGrass, .move = MoveGrass, .cursor = kGrassCursor, .pressSound = kGrassSound},
    {.state = kBubblesState, .press = PressBubbles, .move = MoveBubbles, .cursor = kBubblesCursor,
     .pressSound = kBubblesSound},
    {.state = kFanState, .move = MoveFan},
    {.state = kShadeSprayState, .press = PressShadeSpray, .move = MoveShadeSpray, .cursor = kSprayCursor,
     .pressSound = kSpraySound},
    {.state = kConfettiSquaresState, .press = PressConfetti, .move = MoveConfetti, .cursor = kConfettiCursor,
     .pressSound = kConfettiSound},
    {.state = kSparkleState, .press = PressSparkle, .move = MoveSparkle, .cursor = kSoftPenCursor},
    {.state = kCrossHairState, .press = PressCrossHair, .move = MoveCrossHair},
    {.state = kSpeckledBlocksState, .press = PressSpeckledBlock, .move = MoveSpeckledBlock, .cursor = kBlocksCursor},
    {.state = kPixelScatterState, .press = PressPixelScatter, .move = MovePixelScatter,
     .pressSound = kPixelScatterSound},
    {.state = kForkPenState, .press = PressPenDot, .move = MoveFork},
    {.state = kSparkCrossState, .press = PressSparkCross, .move = MoveSparkCross, .cursor = kConfettiCursor},
};

}  // namespace

std::span<const ToolRow> BrushRows() { return kRows; }
