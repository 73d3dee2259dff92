// The frame's click regions, their bounds and their order.
#include <gtest/gtest.h>

#include "base/colours.h"
#include "canvas/tools.h"
#include "canvas_pixels.h"
#include "frame_helpers.h"
#include "options/pages.h"

using namespace dab_test;

namespace {

TEST(FrameClicks, ColourButtonsByColumnAndRow) {
    RunDab({640, 480}, [] {
        testing::ClearMediaRecords();
        ClickFrame(24, 50);
        EXPECT_EQ(colourFamily, 3);
        EXPECT_EQ(currentColour, paletteColours[35]);
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a41.mub"});
        ClickFrame(25, 50);
        EXPECT_EQ(colourFamily, 11);
        ClickFrame(10, 103);
        EXPECT_EQ(colourFamily, 7);
        // The shades on the strip are the new family's.
        EXPECT_EQ(FramePixel(35, 108), paletteColours[70]);
        testing::ClearMediaRecords();
        ClickFrame(10, 104);
        EXPECT_EQ(colourFamily, 7);
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
        EXPECT_EQ(CanvasPixel(15, 15), RGB(0, 0, 0));
        EXPECT_EQ(CanvasPixel(105, 15), RGB(255, 255, 255));
        CanvasImage once = ReadCanvas();
        ClickFrame(20, 470);
        EXPECT_EQ(ReadCanvas(), once);
    });
}

TEST(FrameClicks, ShadeStripBounds) {
    RunDab({640, 480}, [] {
        ClickFrame(30, 105);
        EXPECT_EQ(colourShade, 0);
        EXPECT_EQ(currentColour, paletteColours[0]);
        ClickFrame(30, 183);
        EXPECT_EQ(colourShade, 9);
        testing::ClearMediaRecords();
        for (POINT p : {POINT{20, 150}, POINT{30, 104}, POINT{30, 184}}) ClickFrame(p.x, p.y);
        EXPECT_EQ(colourShade, 9);
        EXPECT_TRUE(SoundFiles().empty());
        // Family 6, shade 9: the near-black, not black.
        ClickFrame(10, 80);
        ClickFrame(30, 183);
        EXPECT_EQ(currentColour, RGB(0, 0, 1));
    });
}

TEST(FrameClicks, WidthChooserBandsAndTheirBorders) {
    RunDab({640, 480}, [] {
        widthChooserShown = 1;
        const int middles[8] = {7, 12, 19, 25, 34, 43, 54, 65};
        for (int w = 0; w < 8; w++) {
            ClickFrame(320, middles[w]);
            EXPECT_EQ(penWidth, w + 1) << "at y " << middles[w];
        }
        for (int border : {10, 15, 22, 31, 38, 48, 58}) {
            testing::ClearMediaRecords();
            ClickFrame(344, border);
            EXPECT_EQ(penWidth, 8) << "a border only redraws";
            EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a41.mub"});
        }
        widthChooserShown = 0;
        ClickFrame(320, 7);
        EXPECT_EQ(penWidth, 8) << "no chooser, no width";
    });
}

TEST(FrameClicks, PatternChooserStepsDownAndRoundInEightClicks) {
    RunDab({640, 480}, [] {
        patternChooserShown = 1;
        const int expected[8] = {1, 8, 7, 6, 5, 4, 3, 2};
        for (int i = 0; i < 8; i++) {
            ClickFrame(375, 30);
            EXPECT_EQ(fillPattern, expected[i]);
        }
        ClickFrame(360, 30);
        EXPECT_EQ(fillPattern, 2) << "x 360 is outside the chooser";
    });
}

TEST(FrameClicks, RainbowChooserHalves) {
    RunDab({640, 480}, [] {
        rainbowChooserShown = 1;
        ClickFrame(375, 50);
        EXPECT_EQ(rainbowMode, 1);
        ClickFrame(375, 36);
        EXPECT_EQ(rainbowMode, 1) << "the middle line changes nothing";
        ClickFrame(375, 10);
        EXPECT_EQ(rainbowMode, 0);
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
        textEntryActive = 1;
        ClickFrame(30, 20);
        EXPECT_EQ(colourFamily, 0) << "the click only finishes the text";
        EXPECT_EQ(textEntryActive, 0);
        // Text placement pending: the next frame click goes back to the first brush page instead.
        textPlacePending = 1;
        toolGroup = kFirstStampGroup + 1;
        ClickFrame(30, 20);
        EXPECT_EQ(textPlacePending, 0);
        EXPECT_EQ(toolGroup, kFirstBrushGroup);
        EXPECT_EQ(colourFamily, 0);
    });
}

TEST(FrameClicks, LeftColumnButtonsAndTheirBorders) {
    RunDab({640, 480}, [] {
        testing::ClearMediaRecords();
        ClickFrame(20, 340);
        EXPECT_EQ(textPlacePending, 1);
        EXPECT_EQ(toolState, kTextState);
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a26.mub"});
        textPlacePending = 0;
        ClickFrame(20, 250);
        EXPECT_EQ(toolGroup, kFirstEffectsGroup);
        ClickFrame(20, 300);
        EXPECT_EQ(toolGroup, kFirstRegionGroup);
        EXPECT_EQ(toolState, kWhiteRectangleState);
        ClickFrame(20, 420);
        EXPECT_EQ(toolGroup, kFilesGroup);
        for (int i = 0; i < 20; i++) {
            ClickFrame(20, 380);
            EXPECT_GE(toolGroup, kFirstStampGroup);
            EXPECT_LE(toolGroup, kFirstStampGroup + 2);
            EXPECT_EQ(toolState, kStampState);
        }
        ClickFrame(20, 200);
        EXPECT_EQ(toolGroup, kFirstBrushGroup);
        for (int border : {232, 274, 316, 358, 400, 442}) {
            ClickFrame(20, border);
            EXPECT_EQ(toolGroup, kFirstBrushGroup) << "y " << border;
            EXPECT_EQ(textPlacePending, 0);
        }
    });
}

TEST(FrameClicks, PageArrowsGoRoundTheirRings) {
    RunDab({640, 480}, [] {
        const int forward[] = {2, 3, 4, 1};
        for (int page : forward) {
            ClickFrame(290, 50);
            EXPECT_EQ(toolGroup, page);
        }
        const int back[] = {4, 3, 2, 1};
        for (int page : back) {
            ClickFrame(290, 20);
            EXPECT_EQ(toolGroup, page);
        }
        ShowStampPage(kLastStampGroup);
        ClickFrame(290, 50);
        EXPECT_EQ(toolGroup, kFirstStampGroup);
        ClickFrame(290, 20);
        EXPECT_EQ(toolGroup, kLastStampGroup);
        ShowRegionToolPage(1);
        ClickFrame(290, 20);
        EXPECT_EQ(toolGroup, kSecondRegionGroup);
        ClickFrame(290, 20);
        EXPECT_EQ(toolGroup, kFirstRegionGroup);
        // The effects pages are a ring of two, with the arrows' sound.
        ClickFrame(20, 250);
        testing::ClearMediaRecords();
        for (ToolGroup group : {kSecondEffectsGroup, kFirstEffectsGroup}) {
            ClickFrame(290, 50);
            EXPECT_EQ(toolGroup, group);
        }
        ClickFrame(290, 20);
        EXPECT_EQ(toolGroup, kSecondEffectsGroup);
        EXPECT_EQ(SoundFiles(), std::vector<std::string>(3, "a27.mub"));
        // The files page has no arrows, not even silent ones.
        ShowFilesPage();
        testing::ClearMediaRecords();
        ClickFrame(290, 50);
        EXPECT_EQ(toolGroup, kFilesGroup);
        EXPECT_TRUE(SoundFiles().empty());
    });
}

// With no marquee on the screen, the selection mode that region page 2's cut selection leaves behind does
// not take the next click of the effects or files page: every frame button answers at once.
TEST(FrameClicks, AClickAfterTheRegionPagesActsAtOnce) {
    RunDab({640, 480}, [] {
        ClickFrame(20, 295);
        ClickFrame(290, 54);
        ASSERT_EQ(selectionMode, 1);
        ClickFrame(20, 250);
        ASSERT_EQ(toolState, kNoToolState);
        CanvasImage before = ReadCanvas();
        ClickFrame(76, 18);
        EXPECT_NE(ReadCanvas(), before) << "the effect's click was swallowed";
        ClickFrame(20, 420);
        ClickFrame(10, 40);
        EXPECT_EQ(colourFamily, 3) << "the colour button's click was swallowed";
    });
}

TEST(FrameClicks, ColourClickLeavesTheChooserView) {
    RunDab({640, 480}, [] {
        pictureChooserShown = 1;
        ShowWindow(canvasWindow, SW_HIDE);
        ClickFrame(30, 20);
        EXPECT_EQ(pictureChooserShown, 0);
        EXPECT_TRUE(IsWindowVisible(canvasWindow));
        EXPECT_EQ(colourFamily, 9);
        // In the chooser view a click left of the pictures only returns to the canvas.
        pictureChooserShown = 1;
        ShowWindow(canvasWindow, SW_HIDE);
        ClickFrame(10, 104);
        EXPECT_EQ(pictureChooserShown, 0);
        EXPECT_EQ(colourFamily, 9);
    });
}

}  // namespace
