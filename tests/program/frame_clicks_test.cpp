// The frame's click regions, their bounds and their order.
#include <gtest/gtest.h>

#include "base/colours.h"
#include "base/tool_groups.h"
#include "canvas/brush_choice.h"
#include "canvas/selection.h"
#include "canvas/text.h"
#include "canvas/tools.h"
#include "canvas_pixels.h"
#include "files/picture_chooser.h"
#include "frame_helpers.h"
#include "options/choosers.h"
#include "options/option_strip.h"
#include "options/pages.h"

using namespace dab_test;

namespace {

TEST(FrameClicks, ColourButtonsByColumnAndRow) {
    RunDab({640, 480}, [] {
        testing::ClearMediaRecords();
        ClickFrame(24, 50);
        EXPECT_EQ(CurrentBrush().colourFamily, 3);
        EXPECT_EQ(CurrentBrush().currentColour, paletteColours[35]);
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a41.mub"});
        ClickFrame(25, 50);
        EXPECT_EQ(CurrentBrush().colourFamily, 11);
        ClickFrame(10, 103);
        EXPECT_EQ(CurrentBrush().colourFamily, 7);
        // The shades on the strip are the new family's.
        EXPECT_EQ(FramePixel(35, 108), paletteColours[70]);
        testing::ClearMediaRecords();
        ClickFrame(10, 104);
        EXPECT_EQ(CurrentBrush().colourFamily, 7);
        EXPECT_TRUE(SoundFiles().empty()) << "y 104 is below the buttons and left of the strip";
    });
}

TEST(FrameClicks, ColourChoiceTakesASnapshotSoUndoKeepsTheStrokeBefore) {
    RunDab({640, 480}, [] {
        HDC dc = GetDC(canvasWindow);
        PatBlt(dc, 10, 10, 20, 20, BLACKNESS);
        ReleaseDC(canvasWindow, dc);
        ClickFrame(30, 20);
        dc = GetDC(canvasWindow);
        PatBlt(dc, 100, 10, 20, 20, BLACKNESS);
        ReleaseDC(canvasWindow, dc);
        // Undo, the bottom button of the left column, twice: the same as once.
        ClickFrame(20, 460);
        ExpectPixels(CanvasPixel, {{15, 15, kBlack}, {105, 15, kWhite}});
        CanvasImage once = ReadCanvas();
        ClickFrame(20, 470);
        EXPECT_EQ(ReadCanvas(), once);
    });
}

TEST(FrameClicks, ShadeStripBounds) {
    RunDab({640, 480}, [] {
        ClickFrame(30, 105);
        EXPECT_EQ(CurrentBrush().colourShade, 0);
        EXPECT_EQ(CurrentBrush().currentColour, paletteColours[0]);
        ClickFrame(30, 183);
        EXPECT_EQ(CurrentBrush().colourShade, 9);
        testing::ClearMediaRecords();
        for (POINT p : {POINT{20, 150}, POINT{30, 104}, POINT{30, 184}}) ClickFrame(p.x, p.y);
        EXPECT_EQ(CurrentBrush().colourShade, 9);
        EXPECT_TRUE(SoundFiles().empty());
        // Family 6, shade 9: the near-black, not black.
        ClickFrame(10, 80);
        ClickFrame(30, 183);
        EXPECT_EQ(CurrentBrush().currentColour, RGB(0, 0, 1));
    });
}

TEST(FrameClicks, WidthChooserBandsAndTheirBorders) {
    RunDab({640, 480}, [] {
        DrawWidthChooser();
        const int middles[8] = {7, 12, 19, 25, 34, 43, 54, 65};
        for (int w = 0; w < 8; w++) {
            ClickFrame(320, middles[w]);
            EXPECT_EQ(CurrentBrush().penWidth, w + 1) << "at y " << middles[w];
        }
        for (int border : {10, 15, 22, 31, 38, 48, 58}) {
            testing::ClearMediaRecords();
            ClickFrame(344, border);
            EXPECT_EQ(CurrentBrush().penWidth, 8) << "a border only redraws";
            EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a41.mub"});
        }
        ClearChooserArea();
        ClickFrame(320, 7);
        EXPECT_EQ(CurrentBrush().penWidth, 8) << "no chooser, no width";
    });
}

TEST(FrameClicks, PatternChooserStepsDownAndRoundInEightClicks) {
    RunDab({640, 480}, [] {
        DrawPatternChooser();
        const int expected[8] = {1, 8, 7, 6, 5, 4, 3, 2};
        for (int i = 0; i < 8; i++) {
            ClickFrame(375, 30);
            EXPECT_EQ(CurrentBrush().fillPattern, expected[i]);
        }
        ClickFrame(360, 30);
        EXPECT_EQ(CurrentBrush().fillPattern, 2) << "x 360 is outside the chooser";
    });
}

TEST(FrameClicks, RainbowChooserHalves) {
    RunDab({640, 480}, [] {
        DrawRainbowChooser();
        ClickFrame(375, 50);
        EXPECT_EQ(CurrentBrush().rainbowMode, 1);
        ClickFrame(375, 36);
        EXPECT_EQ(CurrentBrush().rainbowMode, 1) << "the middle line changes nothing";
        ClickFrame(375, 10);
        EXPECT_EQ(CurrentBrush().rainbowMode, 0);
    });
}

TEST(FrameClicks, QuitRegionIsOneHundredPixelsAndNoKeepsTheProgram) {
    RunDab({640, 480}, [] {
        // The picture's leftmost 20 pixels do nothing.
        ClickFrame(640 - 110, 30);
        EXPECT_TRUE(testing::MessageBoxesShown().empty());
        testing::ClearMediaRecords();
        testing::AnswerMessageBox(IDNO);
        ClickFrame(640 - 99, 30);
        EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{"Question: Do you really want to quit?"});
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a24.mub"});
        EXPECT_TRUE(IsWindow(frameWindow));
        testing::AnswerMessageBox(IDYES);
        testing::Press(631, 6);
        testing::Release(631, 6);
        EXPECT_EQ(testing::WaitForExit(), 0);
    });
}

TEST(FrameClicks, TextEntrySwallowsFrameClicks) {
    RunDab({640, 480}, [] {
        BeginTextEntry({100, 100});
        ClickFrame(30, 20);
        EXPECT_EQ(CurrentBrush().colourFamily, 0) << "the click only finishes the text";
        EXPECT_EQ(TextEntryActive(), 0);
        // Text placement pending: the next frame click goes back to the first brush page instead.
        AwaitTextPlace();
        ShowStampPage(kFirstStampGroup + 1);
        ClickFrame(30, 20);
        EXPECT_EQ(TextPlacePending(), 0);
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup);
        EXPECT_EQ(CurrentBrush().colourFamily, 0);
    });
}

TEST(FrameClicks, LeftColumnButtonsAndTheirBorders) {
    RunDab({640, 480}, [] {
        testing::ClearMediaRecords();
        ClickFrame(20, 340);
        EXPECT_EQ(TextPlacePending(), 1);
        EXPECT_EQ(CurrentToolState(), kTextState);
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a26.mub"});
        CancelTextPlace();
        ClickFrame(20, 250);
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstEffectsGroup);
        ClickFrame(20, 300);
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstRegionGroup);
        EXPECT_EQ(CurrentToolState(), kWhiteRectangleState);
        ClickFrame(20, 420);
        EXPECT_EQ(CurrentStrip().toolGroup, kFilesGroup);
        for (int i = 0; i < 20; i++) {
            ClickFrame(20, 380);
            EXPECT_GE(CurrentStrip().toolGroup, kFirstStampGroup);
            EXPECT_LE(CurrentStrip().toolGroup, kFirstStampGroup + 2);
            EXPECT_EQ(CurrentToolState(), kStampState);
        }
        ClickFrame(20, 200);
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup);
        for (int border : {232, 274, 316, 358, 400, 442}) {
            ClickFrame(20, border);
            EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup) << "y " << border;
            EXPECT_EQ(TextPlacePending(), 0);
        }
    });
}

TEST(FrameClicks, PageArrowsGoRoundTheirRings) {
    RunDab({640, 480}, [] {
        // Clicks the forward (y 50) or back (y 20) arrow, which must show that page.
        auto arrow = [](int y, int group) {
            ClickFrame(290, y);
            EXPECT_EQ(CurrentStrip().toolGroup, group) << "the arrow at y " << y;
        };
        for (int page : {2, 3, 4, 1}) arrow(50, page);
        for (int page : {4, 3, 2, 1}) arrow(20, page);
        ShowStampPage(kLastStampGroup);
        arrow(50, kFirstStampGroup);
        arrow(20, kLastStampGroup);
        ShowRegionToolPage(1);
        arrow(20, kSecondRegionGroup);
        arrow(20, kFirstRegionGroup);
        // The effects pages are a ring of two, with the arrows' sound.
        ClickFrame(20, 250);
        testing::ClearMediaRecords();
        arrow(50, kSecondEffectsGroup);
        arrow(50, kFirstEffectsGroup);
        arrow(20, kSecondEffectsGroup);
        EXPECT_EQ(SoundFiles(), std::vector<std::string>(3, "a27.mub"));
        // The files page has no arrows, not even silent ones.
        ShowFilesPage();
        testing::ClearMediaRecords();
        arrow(50, kFilesGroup);
        EXPECT_TRUE(SoundFiles().empty());
    });
}

// With no marquee on the screen, the selection mode that region page 2's cut selection leaves behind does
// not take the next click of the effects or files page: every frame button answers at once.
TEST(FrameClicks, AClickAfterTheRegionPagesActsAtOnce) {
    RunDab({640, 480}, [] {
        ClickFrame(20, 295);
        ClickFrame(290, 54);
        ASSERT_EQ(CurrentSelectionMode(), 1);
        ClickFrame(20, 250);
        ASSERT_EQ(CurrentToolState(), kNoToolState);
        CanvasImage before = ReadCanvas();
        ClickFrame(76, 18);
        EXPECT_NE(ReadCanvas(), before) << "the effect's click was swallowed";
        ClickFrame(20, 420);
        ClickFrame(10, 40);
        EXPECT_EQ(CurrentBrush().colourFamily, 3) << "the colour button's click was swallowed";
    });
}

TEST(FrameClicks, ColourClickLeavesTheChooserView) {
    RunDab({640, 480}, [] {
        OpenPictureChooser(false);
        ASSERT_TRUE(PictureChooserShown());
        ClickFrame(30, 20);
        EXPECT_EQ(PictureChooserShown(), 0);
        EXPECT_TRUE(IsWindowVisible(canvasWindow));
        EXPECT_EQ(CurrentBrush().colourFamily, 9);
        // In the chooser view a click left of the pictures only returns to the canvas.
        OpenPictureChooser(false);
        ASSERT_TRUE(PictureChooserShown());
        ClickFrame(10, 104);
        EXPECT_EQ(PictureChooserShown(), 0);
        EXPECT_EQ(CurrentBrush().colourFamily, 9);
    });
}

}  // namespace
