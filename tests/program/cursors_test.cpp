// The cursor over the canvas follows toolState.
#include <gtest/gtest.h>

#include <map>

#include "dab.h"
#include "options/choosers.h"
#include "shell/state.h"

using dab_test::CanvasToScreenX;
using dab_test::CanvasToScreenY;
using dab_test::RunDab;

namespace {

HCURSOR CursorOverCanvasIn(int state) {
    toolState = state;
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
            {1, 2},   {14, 2},  {34, 2},  {39, 2},  {50, 2},  {51, 2},  {2, 16},  {40, 16}, {3, 11},
            {8, 15},  {27, 15}, {28, 15}, {55, 15}, {13, 14}, {15, 18}, {19, 21}, {44, 21}, {45, 21},
            {53, 21}, {62, 21}, {20, 12}, {46, 12}, {23, 19}, {24, 20}, {26, 13}, {32, 8},  {35, 7},
            {36, 17}, {41, 3},  {42, 3},  {43, 5},  {49, 10}, {52, 4},  {60, 22}, {99, 9},
        };
        for (int state = 1; state <= 62; state++) {
            if (state == 30) continue;
            auto it = named.find(state);
            int expected = it == named.end() ? 1 : it->second;
            EXPECT_EQ(CursorOverCanvasIn(state), Resource(expected)) << "toolState " << state;
        }
        EXPECT_EQ(CursorOverCanvasIn(99), Resource(9));
        EXPECT_EQ(CursorOverCanvasIn(4), Resource(1));
        EXPECT_EQ(CursorOverCanvasIn(59), Resource(1));
        EXPECT_EQ(CursorOverCanvasIn(0), LoadCursorA(nullptr, IDC_ARROW));
        // CURSOR_4 and CURSOR_5 are both loaded, each for its own states, though they trade slots.
        EXPECT_NE(Resource(4), Resource(5));
    });
}

TEST(Cursors, StampStateShowsTheStampCursor) {
    RunDab({640, 480}, [] {
        static const uint8_t andPlane[128] = {}, xorPlane[128] = {};
        stampCursor = CreateCursor(appInstance, 16, 16, 32, 32, andPlane, xorPlane);
        stampCursorExists = 1;
        ASSERT_NE(stampCursor, nullptr);
        EXPECT_EQ(CursorOverCanvasIn(30), stampCursor);
    });
}

}  // namespace
