// The canvas's own marks, through their tools: where their pixels may fall and in which colours.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "canvas/brush_choice.h"
#include "canvas/tools.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

TEST(Pens, SpeckledBlockIsSixByTwelveWithTwentyTwoDotsOfEachShade) {
    RunDab({640, 480}, [] {
        // Shade 3's neighbours are shades 0 to 2: the block's own colour is none of them.
        ChooseColourFamily(3);
        ChooseShade(3);
        ChoosePenWidth(1);
        UseTool(kSpeckledBlocksState);
        for (int round = 0; round < 10; round++) {
            ClearCanvas();
            Click({200, 200});
            std::map<COLORREF, int> counts;
            for (POINT p : Painted(ReadCanvas())) {
                ExpectInside({p.x, p.y, p.x, p.y}, {197, 194, 202, 205});
                counts[CanvasPixel(p.x, p.y)]++;
            }
            int total = 0;
            for (auto [colour, n] : counts) total += n;
            EXPECT_EQ(total, 72) << "the whole block is painted";
            for (int shade : {30, 31, 32}) {
                EXPECT_GT(counts[paletteColours[shade]], 0) << shade;
                EXPECT_LE(counts[paletteColours[shade]], 22) << shade;
            }
            // Later shades cover earlier dots, never the other way round, so the last shade keeps most.
            EXPECT_GE(counts[paletteColours[32]], 14);
            EXPECT_EQ(counts.size() - counts.count(paletteColours[33]), 3u);
        }
    });
}

TEST(Pens, BirdSpecksStayInTheirBoundsAndAreWholeBirds) {
    RunDab({640, 480}, [] {
        UseTool(kBirdsState);
        std::set<int> sizes;
        RECT bounds{1000, 1000, -1000, -1000};
        for (int round = 0; round < 60; round++) {
            ClearCanvas();
            Click({300, 200});
            std::vector<POINT> painted = Painted(ReadCanvas());
            sizes.insert(int(painted.size()));
            for (POINT p : painted) {
                EXPECT_EQ(CanvasPixel(p.x, p.y), paletteColours[5]);
                bounds = {std::min(bounds.left, p.x), std::min(bounds.top, p.y), std::max(bounds.right, p.x),
                          std::max(bounds.bottom, p.y)};
            }
        }
        EXPECT_GE(bounds.left, 300 - 29);
        EXPECT_LE(bounds.right, 300 + 28);
        EXPECT_GE(bounds.top, 200 - 27);
        EXPECT_LE(bounds.bottom, 200 + 22);
        // The lone pixel and the five birds of 18, 18, 9, 10 and 16 pixels besides it.
        for (int n : sizes) EXPECT_TRUE(n == 1 || n == 19 || n == 10 || n == 11 || n == 17) << n;
        EXPECT_GE(sizes.size(), 4u);
        EXPECT_EQ(SoundFiles().front(), "a13.mub");
    });
}

TEST(Pens, ShadeDotsFallInsideTheirCircleInTheThreeShades) {
    RunDab({640, 480}, [] {
        ChooseColourFamily(9);
        ChooseShade(2);
        ChoosePenWidth(2);
        UseTool(kShadeSprayState);
        Stroke({{200, 200}, {200, 200}, {200, 200}});
        std::set<COLORREF> colours;
        for (POINT p : Painted(ReadCanvas())) {
            // Two-pixel dots round points less than 16 pixels from the centre reach 16 + 1.42 at most.
            EXPECT_LE((p.x - 200) * (p.x - 200) + (p.y - 200) * (p.y - 200), 303);
            colours.insert(CanvasPixel(p.x, p.y));
        }
        EXPECT_EQ(colours, (std::set<COLORREF>{paletteColours[90], paletteColours[91], paletteColours[92]}));
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a54.mub"});
    });
}

TEST(Pens, CrossHairLinesReachAllFourEdgesInOneShade) {
    RunDab({640, 480}, [] {
        UseTool(kCrossHairState);
        Click({200, 150});
        // The lines end one pixel short of the edges at 0, as every line leaves out its end point.
        COLORREF c = CanvasPixel(200, 1);
        EXPECT_TRUE(c == paletteColours[3] || c == paletteColours[4] || c == paletteColours[5]);
        RECT client;
        GetClientRect(canvasWindow, &client);
        ExpectPixels(CanvasPixel, {{200, int(client.bottom) - 1, c}, {1, 150, c}, {int(client.right) - 1, 150, c},
                                   {201, 151, kWhite}});
    });
}

TEST(Pens, ForkStrokeMeetsAtEachPreviousPoint) {
    RunDab({640, 480}, [] {
        ChoosePenWidth(1);
        UseTool(kForkPenState);
        Stroke({{100, 200}, {200, 200}});
        // From (100, 200) to (200, 196) and to (200, 204).
        EXPECT_EQ(PaintedInColumn(150, 190, 210), 2);
        EXPECT_NE(CanvasPixel(150, 198), kWhite);
        EXPECT_NE(CanvasPixel(150, 202), kWhite);
    });
}

}  // namespace
