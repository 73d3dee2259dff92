// The snapshot behind the canvas: every repaint puts it back, so a stroke lasts only once it is taken.
#include <gtest/gtest.h>

#include "base/state.h"
#include "base/tool_groups.h"
#include "canvas/brush_choice.h"
#include "canvas/canvas.h"
#include "canvas_pixels.h"
#include "options/option_strip.h"
#include "options/pages.h"
#include "options/select.h"

using dab_test::RunDab;

namespace {

// A red block on the canvas window itself, as the tools draw.
void DrawStroke() {
    HDC dc = GetDC(canvasWindow);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    RECT block{100, 100, 140, 130};
    FillRect(dc, &block, red);
    ReleaseDC(canvasWindow, dc);
    DeleteObject(red);
}

COLORREF OnCanvas(int x, int y) { return dab_test::CanvasPixel(x, y); }

// As when a window that covered the canvas goes away.
void Repaint() {
    InvalidateRect(canvasWindow, nullptr, TRUE);
    PostMessageA(canvasWindow, WM_NULL, 0, 0);
    testing::WaitUntilIdle();
}

TEST(Snapshot, RepaintBringsBackTheSnapshot) {
    RunDab({800, 600}, [] {
        DrawStroke();
        ASSERT_EQ(OnCanvas(120, 110), kRed);
        EXPECT_EQ(GetPixel(pictureDC, 120, 110), kWhite) << "strokes are not drawn into the snapshot";
        Repaint();
        EXPECT_EQ(OnCanvas(120, 110), kWhite);
    });
}

TEST(Snapshot, TakenSnapshotSurvivesRepaints) {
    RunDab({800, 600}, [] {
        DrawStroke();
        TakeSnapshot();
        EXPECT_EQ(GetPixel(pictureDC, 120, 110), kRed);
        Repaint();
        Repaint();
        EXPECT_EQ(OnCanvas(120, 110), kRed);
        EXPECT_EQ(OnCanvas(99, 99), kWhite);
    });
}

// The whole screen shown again: the frame repaints first, and its copy of the snapshot stands for the
// canvas's own repaint.
TEST(Snapshot, ScreenExposedShowsTheSnapshotOnce) {
    RunDab({640, 480}, [] {
        DrawStroke();
        ShowStampPage(kFirstStampGroup + 2);
        testing::Expose();
        testing::WaitUntilIdle();
        EXPECT_EQ(OnCanvas(120, 110), kWhite);
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstStampGroup + 2) << "the canvas itself did not repaint";
    });
}

TEST(Snapshot, RepaintReturnsToTheFirstToolPageAndShadeFive) {
    RunDab({640, 480}, [] {
        ShowStampPage(kFirstStampGroup + 2);
        SelectOption(4);
        ChooseShade(8);
        Repaint();
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup);
        EXPECT_EQ(CurrentStrip().selectedOption, 1);
        EXPECT_EQ(CurrentBrush().colourShade, 5);
        EXPECT_EQ(CurrentBrush().currentColour, RGB(0xB5, 0x20, 0xFF));
    });
}

TEST(Snapshot, CloseCommandEndsWithoutAQuestion) {
    RunDab({640, 480}, [] {
        DrawStroke();
        // A close request from the desktop arrives as the system's close command.
        testing::RequestClose();
        EXPECT_EQ(testing::WaitForExit(), 0);
        EXPECT_TRUE(testing::MessageBoxesShown().empty());
    });
}

TEST(Snapshot, SystemCommandTakesTheSnapshotFirst) {
    RunDab({640, 480}, [] {
        DrawStroke();
        // A task switch: the frame is told before it goes, and the drawing is kept for the return.
        testing::LoseFocus();
        testing::WaitUntilIdle();
        EXPECT_EQ(GetPixel(pictureDC, 120, 110), kRed);
        Repaint();
        EXPECT_EQ(OnCanvas(120, 110), kRed);
    });
}

}  // namespace
