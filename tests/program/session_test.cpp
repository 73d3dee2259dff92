// Whole sessions as a child has them: colours, pages by their arrows, options and choosers, painting with
// every tool of the first two brush pages, stamps, undo. Each ends by saving its screen as a PNG in
// sessions/ of the build's test folder, for a person to look at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "base/tool_groups.h"
#include "canvas/brush_choice.h"
#include "canvas/tools.h"
#include "frame_helpers.h"
#include "options/choosers.h"
#include "options/option_strip.h"
#include "options/pages.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

int PaintedPixels(const CanvasImage& before) { return int(Differences(before, ReadCanvas()).size()); }

// A stroke across one band of the canvas, a band for each option.
std::vector<POINT> BandStroke(int band) {
    int y = 20 + 30 * (band % 12), x = band < 12 ? 20 : 300;
    return {{x, y}, {x + 60, y + 8}, {x + 120, y}, {x + 200, y + 12}};
}

TEST(Session, EveryToolOfTheFirstTwoBrushPagesPaints) {
    RunDab({1024, 768}, [] {
        // Blue, a dark shade; a wide pen; solid fill.
        ClickFrame(10, 40);
        ClickFrame(30, 170);
        EXPECT_EQ(CurrentBrush().colourFamily, 3);
        EXPECT_EQ(CurrentBrush().colourShade, 8);
        for (int page = 1; page <= 2; page++) {
            EXPECT_EQ(CurrentStrip().toolGroup, page);
            for (int n = 1; n <= 12; n++) {
                ChooseOptionButton(n);
                EXPECT_EQ(CurrentStrip().selectedOption, n);
                POINT at = OptionButtonCentre(n);
                EXPECT_EQ(FramePixel(at.x - 16, at.y - 16), kHighlightRgb) << "page " << page << " option " << n;
                if (CurrentStrip().widthChooserShown) ClickFrame(320, 44);
                // A colour of its own for each tool, so that it shows over the fill's.
                int family = (page * 12 + n) % 16;
                ClickFrame(family < 8 ? 10 : 35, 13 * (family % 8) + 6);
                CanvasImage before = ReadCanvas();
                // The erasers go over the pencil's line, since on white they leave nothing to see.
                bool eraser = CurrentToolState() == kSmallEraserState || CurrentToolState() == kLargeEraserState;
                Stroke(BandStroke(eraser ? 0 : (page - 1) * 12 + n - 1));
                EXPECT_GT(PaintedPixels(before), 0) << "page " << page << " option " << n << ", state " << CurrentToolState();
                // The fill took the whole canvas: undo it, so the next tools paint on white.
                if (CurrentToolState() == kFillState) ClickFrame(20, 460);
            }
            // The next page by its arrow.
            ClickFrame(290, 54);
        }
        SaveSession("brush-pages-1-and-2");
        // Undo takes the canvas back to the last snapshot, which the page arrow took: nothing is undone.
        CanvasImage painted = ReadCanvas();
        ClickFrame(20, 460);
        EXPECT_EQ(ReadCanvas(), painted);
    });
}

TEST(Session, StampsThenUndoTakesBackOnlyTheStampsSinceTheLastClick) {
    RunDab({800, 600}, [] {
        ClickFrame(20, 380);
        ASSERT_GE(CurrentStrip().toolGroup, kFirstStampGroup);
        ASSERT_LE(CurrentStrip().toolGroup, kFirstStampGroup + 2);
        EXPECT_EQ(CurrentToolState(), kStampState);
        std::vector<CanvasImage> after;
        for (int i = 0; i < 3; i++) {
            ChooseOptionButton(i + 2);
            testing::ClearMediaRecords();
            CanvasImage before = ReadCanvas();
            Click({120 + 150 * i, 200});
            EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a11.mub"});
            for (POINT p : Differences(before, ReadCanvas())) {
                ASSERT_LE(std::abs(p.x - (120 + 150 * i)), 16) << "stamp " << i << " is centred on the click";
                ASSERT_LE(std::abs(p.y - 200), 16);
            }
            EXPECT_GT(PaintedPixels(before), 50) << "stamp " << i;
            after.push_back(ReadCanvas());
        }
        SaveSession("three-stamps");
        // The last option click took the snapshot after the second stamp.
        ClickFrame(20, 470);
        EXPECT_EQ(ReadCanvas(), after[1]);
    });
}

TEST(Session, ChoosersAndArrowsAsAChildUsesThem) {
    RunDab({800, 600}, [] {
        // Spray can, rainbow on, widest.
        ChooseOptionButton(3);
        ClickFrame(375, 55);
        ClickFrame(320, 65);
        EXPECT_EQ(CurrentBrush().rainbowMode, 1);
        EXPECT_EQ(CurrentBrush().penWidth, 8);
        CanvasImage before = ReadCanvas();
        Stroke({{300, 200}, {320, 210}, {340, 220}, {360, 230}});
        std::vector<POINT> dots = Differences(before, ReadCanvas());
        std::set<COLORREF> colours;
        for (POINT p : dots) colours.insert(CanvasPixel(p.x, p.y));
        EXPECT_GT(colours.size(), 3u) << "a rainbow spray";
        // Round the brush pages: four arrows forward come back.
        for (int i = 0; i < 4; i++) ClickFrame(290, 54);
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup);
        EXPECT_EQ(CurrentBrush().rainbowMode, 0) << "the page's first option was chosen anew";
        // The fill with a hatched pattern.
        ChooseOptionButton(2);
        for (int i = 0; i < 3; i++) ClickFrame(375, 30);
        EXPECT_EQ(CurrentBrush().fillPattern, 7);
        Click({500, 400});
        SaveSession("choosers");
    });
}

TEST(Session, ColouringModeOpensBrushPageOneOnTheFill) {
    RunDab({640, 480}, [] {
        UseColouringMode(true);
        ClickFrame(20, 200);
        EXPECT_EQ(CurrentStrip().selectedOption, 2);
        EXPECT_EQ(CurrentToolState(), kFillState);
        EXPECT_EQ(FramePixel(94, 1), kHighlightRgb);
        EXPECT_NE(FramePixel(59, 1), kHighlightRgb);
    });
}

}  // namespace
