// Choosing options: the highlight, the tool state and choosers of each row, stamps and effects.
#include <gtest/gtest.h>

#include "base/colours.h"
#include "base/sound.h"
#include "base/state.h"
#include "base/tool_groups.h"
#include "canvas/brush_choice.h"
#include "canvas/cursors.h"
#include "canvas/selection.h"
#include "canvas/stamp.h"
#include "canvas/tools.h"
#include "frame_helpers.h"
#include "options/choosers.h"
#include "options/option_strip.h"
#include "options/pages.h"
#include "options/select.h"
#include "platform/user/cursors.h"

using namespace dab_test;

namespace {

void ClickOption(int n) { ChooseOptionButton(n); }

TEST(Options, HighlightMovesFromButtonToButton) {
    RunDab({800, 600}, [] {
        // Brush page 1 with its pencil chosen, as every start shows it.
        ExpectPixels(FramePixel,
                     {{59, 1, kHighlightRgb, "option 1's outline"}, {60, 2, kHighlightRgb, "option 1's background"}});
        ClickOption(9);
        EXPECT_EQ(CurrentStrip().selectedOption, 9);
        EXPECT_EQ(CurrentToolState(), kLineBurstState);
        // Option 9's icon is at (130, 38): its outline runs one pixel round it.
        ExpectPixels(FramePixel, {{59, 1, kNavy}, {60, 2, kNavy}, {129, 37, kHighlightRgb}, {163, 70, kHighlightRgb},
                                  {164, 70, kNavy}});
    });
}

TEST(Options, ChoosingTheHighlightedOptionAgainDoesNothing) {
    RunDab({640, 480}, [] {
        ClickOption(3);
        EXPECT_EQ(CurrentToolState(), kSprayCanState);
        ChooseRainbow(true);
        testing::ClearMediaRecords();
        ClickOption(3);
        EXPECT_EQ(CurrentBrush().rainbowMode, 1);
        ClickOption(4);
        EXPECT_EQ(CurrentBrush().rainbowMode, 0) << "every change of option";
    });
}

TEST(Options, EachRowShowsItsChoosersOnly) {
    RunDab({640, 480}, [] {
        ClickOption(2);
        EXPECT_EQ(CurrentToolState(), kFillState);
        EXPECT_EQ(CurrentStrip().widthChooserShown, 0);
        EXPECT_EQ(CurrentStrip().rainbowChooserShown, 0);
        EXPECT_EQ(CurrentStrip().patternChooserShown, 1);
        EXPECT_EQ(FramePixel(320, 7), kNavy) << "no width samples";
        int width = CurrentBrush().penWidth;
        ClickFrame(320, 60);
        EXPECT_EQ(CurrentBrush().penWidth, width) << "the blank width area takes no clicks";

        ClickOption(4);
        EXPECT_EQ(CurrentToolState(), kThinWhenFastState);
        const OptionStrip& strip = CurrentStrip();
        EXPECT_FALSE(strip.widthChooserShown || strip.patternChooserShown || strip.rainbowChooserShown);
        for (int x = 310; x < 440; x += 7)
            for (int y = 0; y < 72; y += 5) ASSERT_EQ(FramePixel(x, y), kNavy) << x << ", " << y;

        ClickOption(1);
        EXPECT_EQ(CurrentStrip().widthChooserShown, 1);
        EXPECT_EQ(CurrentStrip().rainbowChooserShown, 1);
        EXPECT_EQ(FramePixel(320, 7), kHighlightRgb) << "the width samples";
    });
}

TEST(Options, WidthKnobFollowsThePenWidth) {
    RunDab({640, 480}, [] {
        for (int width : {8, 1}) {
            ChoosePenWidth(width);
            DrawWidthChooser();
            int top = 100, bottom = -1;
            for (int y = 0; y < 72; y++)
                if (FramePixel(349, y) == paletteColours[93] || FramePixel(350, y) == paletteColours[93]) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            if (width == 1) {
                EXPECT_GE(top, 3);
                EXPECT_LE(bottom, 10);
            } else {
                EXPECT_GE(top, 61);
                EXPECT_LE(bottom, 68);
            }
        }
        // With the knob at the top, the track shows to its end at y 65.
        ExpectPixels(FramePixel, {{348, 65, kHighlightRgb}, {348, 66, kNavy}});
    });
}

TEST(Options, EffectOptionsFallBackToOptionOne) {
    RunDab({640, 480}, [] {
        ShowRegionToolPage(1);
        ClickOption(5);
        EXPECT_EQ(CurrentStrip().selectedOption, 1);
        EXPECT_EQ(CurrentToolState(), kWhiteRectangleState);
        EXPECT_EQ(SoundFiles().back(), "a37.mub");
        ShowRegionToolPage(2);
        ClickOption(12);
        EXPECT_EQ(CurrentSelectionMode(), 2);
        EXPECT_EQ(CurrentToolState(), kSelectState);
        ClickOption(3);
        EXPECT_EQ(CurrentStrip().selectedOption, 1);
        EXPECT_EQ(CurrentToolState(), kSelectState);
        EXPECT_EQ(CurrentSelectionMode(), 1);
        // Option 8 sets its state, then plays its sound.
        testing::ClearMediaRecords();
        ClickOption(8);
        EXPECT_EQ(CurrentToolState(), kZoomState);
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a44.mub"});
    });
}

TEST(Options, StampsBecomeTheCursorAndKeepTheStampState) {
    RunDab({640, 480}, [] {
        ShowStampPage(10);
        EXPECT_EQ(CurrentToolState(), kStampState);
        EXPECT_EQ(StampIcon(), LoadIconA(appInstance, "ICON_112"));
        ClickOption(5);
        EXPECT_EQ(CurrentToolState(), kStampState);
        EXPECT_EQ(StampIcon(), LoadIconA(appInstance, "ICON_116"));
        ASSERT_NE(StampCursor(), nullptr);
        const backend::CursorImage* cursor = user::FindCursor(StampCursor());
        ASSERT_NE(cursor, nullptr);
        EXPECT_EQ(cursor->hotX, 16);
        EXPECT_EQ(cursor->hotY, 16);
        // Transparent in the icon's clear corner, opaque in its middle.
        EXPECT_TRUE(cursor->andMask[0] & 0x80);
        EXPECT_FALSE(cursor->andMask[16 * 4 + 2] & 0x80);
        testing::Move(300, 300);
        testing::Move(301, 300);
        testing::WaitUntilIdle();
        EXPECT_EQ(GetCursor(), StampCursor());
    });
}

TEST(Options, FilesAndEffectsPagesHaveNoHighlightAndTheEarShowsTheSound) {
    RunDab({640, 480}, [] {
        ShowFilesPage();
        EXPECT_EQ(FramePixel(59, 1), kNavy);
        EXPECT_EQ(CurrentToolState(), kNoToolState);
        ClickFrame(80, 20);
        EXPECT_EQ(FramePixel(59, 1), kNavy) << "an option click there draws no highlight";
        SwitchSound();
        ShowFilesPage();
        COLORREF off = FramePixel(216, 18);
        SwitchSound();
        ShowFilesPage();
        EXPECT_NE(FramePixel(216, 18), off) << "ICON_209 and ICON_210 differ where the ear is crossed out";
        ShowEffectsPage(2);
        EXPECT_EQ(CurrentStrip().toolGroup, kSecondEffectsGroup);
        EXPECT_EQ(FramePixel(59, 1), kNavy);
        EXPECT_NE(FramePixel(280, 10), kNavy) << "the effects pages have arrows";
        ShowFilesPage();
        EXPECT_EQ(FramePixel(280, 10), kNavy) << "the files page has none";
    });
}

}  // namespace
