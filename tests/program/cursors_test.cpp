// The cursor over the canvas follows toolState.
#include <gtest/gtest.h>

#include <map>

#include "base/state.h"
#include "base/tool_groups.h"
#include "canvas/cursors.h"
#include "canvas/tools.h"
#include "dab.h"
#include "options/choosers.h"
#include "options/pages.h"

using dab_test::CanvasToScreenX;
using dab_test::CanvasToScreenY;
using dab_test::RunDab;

namespace {

HCURSOR CursorOverCanvasIn(ToolState state) {
    SetToolState(state);
    // Two moves, so that each is a new WM_SETCURSOR whatever the pointer showed before.
    testing::Move(CanvasToScreenX(200), CanvasToScreenY(150));
    testing::Move(CanvasToScreenX(201), CanvasToScreenY(150));
    testing::WaitUntilIdle();
    return GetCursor();
}

HCURSOR Resource(int n) { return LoadCursorA(appInstance, ("CURSOR_" + std::to_string(n)).c_str()); }

TEST(Cursors, EachToolStateShowsItsCursor) {
    RunDab({640, 480}, [] {
        const std::map<int, int> named = {
            {kFreehandPenState, 2}, {kThickWhenFastState, 2}, {kFourWayState, 2}, {kJitteryState, 2},
            {kTopToBottomState, 2}, {kLeftToRightState, 2}, {kSprayCanState, 16}, {kShadeSprayState, 16},
            {kFillState, 11}, {kWhiteRectangleState, 15}, {kTurnState, 15}, {kMirrorState, 15}, {kInvertState, 15},
            {kThinWhenFastState, 14}, {kLineBurstState, 18}, {kConfettiCirclesState, 21}, {kConfettiSquaresState, 21},
            {kBlobState, 21}, {kSplatState, 21}, {kSparkCrossState, 21}, {kFuzzyPenState, 12}, {kSparkleState, 12},
            {kVerticalNibState, 19}, {kHorizontalNibState, 20}, {kWhitePolygonState, 13}, {kBirdsState, 8},
            {kGrassState, 7}, {kBubblesState, 17}, {kStripedState, 3}, {kSpeckledState, 3}, {kDrippingState, 5},
            {kStripedReversedState, 10}, {kSpeckledBlocksState, 4}, {kMoveSelectionState, 22}, {kTextState, 9},
        };
        for (int state = kFreehandPenState; state <= kLastToolState; state++) {
            if (state == kStampState) continue;
            auto it = named.find(state);
            int expected = it == named.end() ? 1 : it->second;
            EXPECT_EQ(CursorOverCanvasIn(ToolState(state)), Resource(expected)) << "tool state " << state;
        }
        EXPECT_EQ(CursorOverCanvasIn(kTextState), Resource(9));
        EXPECT_EQ(CursorOverCanvasIn(kStarState), Resource(1));
        EXPECT_EQ(CursorOverCanvasIn(kSelectState), Resource(1));
        EXPECT_EQ(CursorOverCanvasIn(kNoToolState), LoadCursorA(nullptr, IDC_ARROW));
        // CURSOR_4 and CURSOR_5 are both loaded, each for its own states, though they trade slots.
        EXPECT_NE(Resource(4), Resource(5));
    });
}

TEST(Cursors, StampStateShowsTheStampCursor) {
    RunDab({640, 480}, [] {
        ShowStampPage(kFirstStampGroup);
        ASSERT_NE(StampCursor(), nullptr);
        EXPECT_EQ(CursorOverCanvasIn(kStampState), StampCursor());
    });
}

}  // namespace
