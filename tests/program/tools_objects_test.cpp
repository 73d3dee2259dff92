// Every tool makes its graphics objects and device contexts for one message only: a stroke of a thousand
// moves leaves as many objects alive as there were, and a context held meanwhile keeps its state.
#include <gtest/gtest.h>

#include "canvas/brush_choice.h"
#include "canvas/stamp.h"
#include "canvas/tools.h"
#include "options/choosers.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

// Every state that draws, and the ones that come with later work.
constexpr ToolState kStates[] = {
    kFreehandPenState, kSprayCanState, kFillState, kStarState, kOctagonState, kLineState, kFilledPolygonState,
    kRectangleState, kEllipseState, kRightTriangleState, kIsoscelesTriangleState, kThinWhenFastState,
    kThickWhenFastState, kLineBurstState, kSmallEraserState, kLargeEraserState, kZigzagState, kConfettiCirclesState,
    kFuzzyPenState, kSlashNibState, kBackslashNibState, kVerticalNibState, kHorizontalNibState, kPointMirroredState,
    kWhitePolygonState, kStampState, kBirdsState, kFourWayState, kGrassState, kBubblesState, kFanState, kBoxState,
    kJitteryState, kShadeSprayState, kStripedState, kSpeckledState, kDrippingState, kConfettiSquaresState, kBlobState,
    kSparkleState, kRedGreenBlueState, kCrossHairState, kStripedReversedState, kTopToBottomState, kLeftToRightState,
    kSpeckledBlocksState, kSplatState, kCurtainState, kPixelScatterState, kForkPenState, kSparkCrossState,
    kWhiteRectangleState, kTurnState, kMirrorState, kInvertState, kShrinkState, kZoomState, kSelectState,
    kMoveSelectionState,
};

// Wandering over the canvas, as a dragged mouse does.
POINT Wander(int i) { return {40 + (i * 37) % 500, 30 + (i * 53) % 340}; }

void ThousandMoveStroke(ToolState state) {
    UseTool(state);
    CanvasPress(Wander(0));
    for (int i = 1; i <= 1000; i++) CanvasMove(Wander(i));
    CanvasRelease(Wander(1000));
    testing::WaitUntilIdle();
}

TEST(Tools, AThousandMovesOfEachToolLeakNothingAndLeaveAHeldContextAlone) {
    RunDab({640, 480}, [] {
        ChooseStamp(1);
        ChoosePenWidth(3);
        ChooseRainbow(true);
        ChooseFillPattern(4);
        // Stock objects come into being on first use; count after one round.
        for (ToolState state : kStates) {
            UseTool(state);
            Stroke({Wander(0), Wander(1)});
        }
        HDC held = GetDC(canvasWindow);
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
        HGDIOBJ keptPen = SelectObject(held, pen);
        SetROP2(held, R2_NOT);
        SetBkMode(held, TRANSPARENT);
        for (ToolState state : kStates) {
            size_t before = testing::LiveGdiObjects();
            ThousandMoveStroke(state);
            EXPECT_EQ(testing::LiveGdiObjects(), before) << "state " << state;
            ClearCanvas();
        }
        EXPECT_EQ(SelectObject(held, keptPen), pen);
        EXPECT_EQ(GetROP2(held), R2_NOT);
        EXPECT_EQ(SetBkMode(held, OPAQUE), TRANSPARENT);
        ReleaseDC(canvasWindow, held);
        DeleteObject(pen);
        // A context taken afresh starts from the defaults, whatever the tools set on theirs.
        HDC fresh = GetDC(canvasWindow);
        EXPECT_EQ(GetROP2(fresh), R2_COPYPEN);
        EXPECT_EQ(SetBkMode(fresh, OPAQUE), OPAQUE);
        ReleaseDC(canvasWindow, fresh);
    });
}

}  // namespace
