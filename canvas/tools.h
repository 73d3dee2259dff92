// The tool dispatcher: what a press, a move and a release on the canvas do in the current tool state.
#pragma once

#include "platform/win32.h"

// The tool states: what a mouse action on the canvas does. The numbers are the ones the option tables
// store; 29, 31 and 33 are not used.
enum ToolState : int {
    kNoToolState = 0,
    kFreehandPenState = 1,
    kSprayCanState = 2,
    kFillState = 3,
    kStarState = 4,
    kOctagonState = 5,
    kLineState = 6,
    kFilledPolygonState = 7,
    kWhiteRectangleState = 8,
    kRectangleState = 9,
    kEllipseState = 10,
    kRightTriangleState = 11,
    kIsoscelesTriangleState = 12,
    kThinWhenFastState = 13,
    kThickWhenFastState = 14,
    kLineBurstState = 15,
    kSmallEraserState = 16,
    kLargeEraserState = 17,
    kZigzagState = 18,
    kConfettiCirclesState = 19,
    kFuzzyPenState = 20,
    kSlashNibState = 21,
    kBackslashNibState = 22,
    kVerticalNibState = 23,
    kHorizontalNibState = 24,
    kPointMirroredState = 25,
    kWhitePolygonState = 26,
    kTurnState = 27,
    kMirrorState = 28,
    kStampState = 30,
    kBirdsState = 32,
    kFourWayState = 34,
    kGrassState = 35,
    kBubblesState = 36,
    kFanState = 37,
    kBoxState = 38,
    kJitteryState = 39,
    kShadeSprayState = 40,
    kStripedState = 41,
    kSpeckledState = 42,
    kDrippingState = 43,
    kConfettiSquaresState = 44,
    kBlobState = 45,
    kSparkleState = 46,
    kRedGreenBlueState = 47,
    kCrossHairState = 48,
    kStripedReversedState = 49,
    kTopToBottomState = 50,
    kLeftToRightState = 51,
    kSpeckledBlocksState = 52,
    kSplatState = 53,
    kCurtainState = 54,
    kInvertState = 55,
    kShrinkState = 56,
    kZoomState = 57,
    kPixelScatterState = 58,
    kSelectState = 59,
    kMoveSelectionState = 60,
    kForkPenState = 61,
    kSparkCrossState = 62,
    // The highest state with press, move or release actions.
    kLastToolState = kSparkCrossState,
    // The next canvas click places the text; handled before any dispatch.
    kTextState = 99,
};

ToolState CurrentToolState();
// The option strip's tool rows and pages choose the tool; a selection picked up or pasted changes it too.
void SetToolState(ToolState state);

// From a press that starts a stroke until its release.
bool StrokeActive();

void ToolPress(POINT point);
void ToolMove(POINT point);
void ToolRelease(POINT point);
// The right button: the stroke stops following the mouse, nothing is finished.
void ToolStop();
