// The press, move and release rules every tool shares: capture, ignored moves, the right button, text
// placement and the selection before any tool, and the rubber-band shapes finished on release.
#include <gtest/gtest.h>

#include "canvas/brush_choice.h"
#include "canvas/selection.h"
#include "canvas/text.h"
#include "canvas/tool_table.h"
#include "canvas/tools.h"
#include "draw/draw.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

// Each kind of tool keeps its own rows: a state whose row is missing would only start strokes.
TEST(Tools, EveryToolStateHasItsOwnRow) {
    for (int s = kFreehandPenState; s <= kLastToolState; s++) {
        bool unused = s == 29 || s == 31 || s == 33;
        EXPECT_EQ(ToolRowFor(ToolState(s)).state, unused ? kNoToolState : ToolState(s)) << "tool state " << s;
    }
}

TEST(Tools, MoveWithoutAPressDrawsNothing) {
    RunDab({640, 480}, [] {
        UseTool(kFreehandPenState);
        ChoosePenWidth(4);
        CanvasImage before = ReadCanvas();
        for (int x = 50; x < 300; x += 10) CanvasMove({x, 100});
        testing::WaitUntilIdle();
        EXPECT_EQ(ReadCanvas(), before);
        // Nor after a stroke has ended.
        Stroke({{50, 200}, {60, 200}});
        before = ReadCanvas();
        for (int x = 50; x < 300; x += 10) CanvasMove({x, 250});
        testing::WaitUntilIdle();
        EXPECT_EQ(ReadCanvas(), before);
    });
}

TEST(Tools, EveryPressCapturesTheMouseAndTheReleaseFreesIt) {
    RunDab({640, 480}, [] {
        for (ToolState state : {kNoToolState, kFreehandPenState, kFillState, kRectangleState, kStampState, kBlobState,
                                kSplatState, kSelectState, kTextState}) {
            UseTool(state);
            CanvasPress({100, 100});
            testing::WaitUntilIdle();
            EXPECT_EQ(GetCapture(), canvasWindow) << "state " << state;
            CanvasRelease({120, 110});
            testing::WaitUntilIdle();
            EXPECT_EQ(GetCapture(), nullptr) << "state " << state;
            EXPECT_FALSE(StrokeActive());
        }
    });
}

TEST(Tools, CapturedStrokeGoesOnOutsideTheCanvas) {
    RunDab({640, 480}, [] {
        UseTool(kFreehandPenState);
        CanvasPress({20, 100});
        CanvasMove({-40, 100});
        CanvasMove({40, 100});
        CanvasRelease({40, 100});
        testing::WaitUntilIdle();
        ExpectPixels(CanvasPixel, {{0, 100, paletteColours[5], "the segment back in from outside"},
                                   {30, 100, paletteColours[5]}});
    });
}

TEST(Tools, RightPressStopsTheStrokeAndTheReleaseFinishesFromTheLastCorner) {
    RunDab({640, 480}, [] {
        UseTool(kRectangleState);
        ChooseFillPattern(1);
        CanvasPress({100, 100});
        CanvasMove({200, 150});
        CanvasRightPress({200, 150});
        testing::WaitUntilIdle();
        EXPECT_FALSE(StrokeActive());
        CanvasImage stopped = ReadCanvas();
        CanvasMove({260, 220});
        testing::WaitUntilIdle();
        EXPECT_EQ(ReadCanvas(), stopped) << "moves after the right press are ignored";
        CanvasRelease({300, 250});
        testing::WaitUntilIdle();
        COLORREF k = paletteColours[5];
        ExpectPixels(CanvasPixel, {{200, 100, k, "the top edge out to the release point"},
                                   {299, 175, k, "the right edge inside the release point"},
                                   {200, 125, kWhite, "the rubber band at the last corner is erased"},
                                   {150, 150, kWhite}});
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a39.mub"});
    });
}

TEST(Tools, LineAndBoxRubberBandsVanishOnRelease) {
    RunDab({640, 480}, [] {
        for (ToolState state : {kLineState, kBoxState}) {
            ClearCanvas();
            UseTool(state);
            Stroke({{100, 100}, {300, 300}, {250, 120}, {200, 150}});
            CanvasImage stroke = ReadCanvas();
            ClearCanvas();
            const BrushChoice& brush = CurrentBrush();
            if (state == kLineState)
                DrawFinishedLine(canvasWindow, appPalette, 100, 100, 100, 100, 200, 150, brush.penWidth,
                                 brush.currentColour);
            else
                DrawFinishedBox(canvasWindow, appPalette, 100, 100, 100, 100, 200, 150, brush.penWidth,
                                brush.currentColour);
            EXPECT_EQ(ReadCanvas(), stroke) << "state " << state;
            EXPECT_EQ(SoundFiles(), std::vector<std::string>{state == kLineState ? "a45.mub" : "a46.mub"});
        }
    });
}

TEST(Tools, TextComesBeforeAnyTool) {
    RunDab({640, 480}, [] {
        UseTool(kTextState);
        AwaitTextPlace();
        CanvasImage before = ReadCanvas();
        CanvasPress({150, 120});
        testing::WaitUntilIdle();
        EXPECT_EQ(TextEntryActive(), 1);
        EXPECT_EQ(TextPlacePending(), 0);
        EXPECT_EQ(TextOrigin().x, 150);
        EXPECT_EQ(TextOrigin().y, 120);
        EXPECT_EQ(GetCapture(), nullptr) << "placing text does not capture";
        CanvasRelease({150, 120});
        // While text is typed, a press with the pen only finishes the text.
        SetToolState(kFreehandPenState);
        CanvasPress({200, 120});
        testing::WaitUntilIdle();
        EXPECT_EQ(TextEntryActive(), 0);
        EXPECT_FALSE(StrokeActive());
        CanvasRelease({200, 120});
        testing::WaitUntilIdle();
        EXPECT_EQ(ReadCanvas(), before);
    });
}

TEST(Tools, PressInsideTheSelectionPicksItUpAndOutsideDropsIt) {
    RunDab({640, 480}, [] {
        auto select = [] {
            SetSelectionMode(SelectionMode(1));
            UseTool(kSelectState);
            Stroke({{100, 100}, {200, 160}});
        };
        select();
        CanvasPress({200, 160});
        testing::WaitUntilIdle();
        EXPECT_EQ(CurrentToolState(), kMoveSelectionState) << "the rectangle's edges count as inside";
        EXPECT_EQ(CurrentSelectionMode(), 1);
        CanvasRelease({200, 160});
        testing::WaitUntilIdle();
        select();
        Click({201, 130});
        EXPECT_EQ(CurrentToolState(), kNoToolState);
        EXPECT_EQ(CurrentSelectionMode(), 0);
    });
}

TEST(Tools, ShapesFinishWithTheirSoundsInTheFillPattern) {
    RunDab({640, 480}, [] {
        ChooseFillPattern(2);
        for (ToolState shape : {kStarState, kOctagonState, kRectangleState, kEllipseState, kRightTriangleState,
                                 kIsoscelesTriangleState}) {
            ClearCanvas();
            UseTool(shape);
            Stroke({{100, 100}, {250, 260}, {300, 300}});
            EXPECT_EQ(SoundFiles(),
                      std::vector<std::string>{shape == kIsoscelesTriangleState ? "a38.mub" : "a39.mub"});
            EXPECT_EQ(CanvasPixel(215, 230), paletteColours[5]) << "shape " << shape << " is filled solid";
            EXPECT_EQ(CanvasPixel(320, 320), kWhite) << "shape " << shape;
        }
    });
}

}  // namespace
