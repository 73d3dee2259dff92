// The pens with their own geometry: rainbow segments, speed-dependent widths, the zigzag, the mirrored
// pens on the middle lines, and the marks with their bounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "canvas/brush_choice.h"
#include "canvas/tool_colours.h"
#include "canvas/tools.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

TEST(Pens, RainbowSegmentsInNewColoursAfterAPressDotInTheCurrentColour) {
    RunDab({640, 480}, [] {
        UseTool(kFreehandPenState);
        ChooseRainbow(true);
        CanvasPress({50, 100});
        testing::WaitUntilIdle();
        EXPECT_EQ(CanvasPixel(50, 100), paletteColours[5]);
        std::set<COLORREF> colours;
        for (int x = 60; x <= 300; x += 10) CanvasMove({x, 100});
        CanvasRelease({300, 100});
        testing::WaitUntilIdle();
        for (int x = 55; x < 300; x += 10) {
            COLORREF c = CanvasPixel(x, 100);
            EXPECT_TRUE(IsFamilyColour(c)) << x;
            // One colour for the whole segment of one move.
            EXPECT_EQ(CanvasPixel(x - 5, 100), c) << x;
            EXPECT_EQ(CanvasPixel(x + 4, 100), c) << x;
            colours.insert(c);
        }
        EXPECT_GT(colours.size(), 10u);
    });
}

// Horizontal moves of the same length, so the segments' widths show in a column away from the ends.
int SpeedPenThickness(ToolState state, int step) {
    ClearCanvas();
    UseTool(state);
    std::vector<POINT> points;
    for (int x = 60; x <= 60 + 20 * step; x += step) points.push_back({x, 150});
    Stroke(points);
    return PaintedInColumn(60 + 10 * step + step / 2, 130, 170);
}

TEST(Pens, SpeedPenWidthsFollowTheDistanceOfEachMove) {
    RunDab({640, 480}, [] {
        ChoosePenWidth(8);
        EXPECT_EQ(SpeedPenThickness(kThinWhenFastState, 4), 4) << "slow and thick";
        EXPECT_EQ(SpeedPenThickness(kThinWhenFastState, 20), 1) << "fast and thin";
        EXPECT_EQ(SpeedPenThickness(kThickWhenFastState, 4), 2) << "slow and thin";
        EXPECT_EQ(SpeedPenThickness(kThickWhenFastState, 20), 5) << "fast and thick";
        EXPECT_EQ(SpeedPenThickness(kThinWhenFastState, 5), 3);
        EXPECT_EQ(SpeedPenThickness(kThickWhenFastState, 19), 4);
    });
}

// The row furthest from y = 150 in the column that a kink lies on.
int KinkOffset(int x) {
    int furthest = 0;
    for (int y = 70; y <= 230; y++)
        if (CanvasPixel(x, y) != kWhite && std::abs(y - 150) > std::abs(furthest)) furthest = y - 150;
    return furthest;
}

TEST(Pens, ZigzagMiddleSegmentIsMirroredAboutTheMouseHeight) {
    RunDab({640, 480}, [] {
        std::set<int> offsets;
        for (int round = 0; round < 12; round++) {
            ClearCanvas();
            UseTool(kZigzagState);
            CanvasPress({100, 150});
            testing::WaitUntilIdle();
            EXPECT_TRUE(Painted(ReadCanvas()).empty()) << "the press draws nothing";
            EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a34.mub"});
            CanvasMove({400, 150});
            CanvasRelease({400, 150});
            testing::WaitUntilIdle();
            int k = KinkOffset(200);
            EXPECT_EQ(KinkOffset(300), -k) << "the kinks a third and two thirds of the way";
            EXPECT_GE(k, -70);
            EXPECT_LE(k, 69);
            offsets.insert(k);
        }
        EXPECT_GT(offsets.size(), 3u);
    });
}

TEST(Pens, FourWayPenOnTheMiddleLinesCoincidesWithItsImage) {
    RunDab({640, 480}, [] {
        int hx = canvasWidth / 2, hy = canvasHeight / 2;
        UseTool(kFourWayState);
        Stroke({{hx, 60}, {hx, 100}, {hx, 130}});
        std::vector<POINT> painted = Painted(ReadCanvas());
        ASSERT_FALSE(painted.empty());
        for (POINT p : painted) {
            EXPECT_EQ(p.x, hx);
            EXPECT_NE(CanvasPixel(p.x, 2 * hy - p.y), kWhite) << p.y;
        }
        EXPECT_EQ(PaintedInColumn(hx, 60, 129), 70);
        ClearCanvas();
        Stroke({{60, hy}, {100, hy}, {140, hy}});
        painted = Painted(ReadCanvas());
        ASSERT_FALSE(painted.empty());
        for (POINT p : painted) {
            EXPECT_EQ(p.y, hy);
            EXPECT_NE(CanvasPixel(2 * hx - p.x, p.y), kWhite) << p.x;
        }
        EXPECT_EQ(SoundFiles(), (std::vector<std::string>{"a18.mub", "a18.mub"}));
    });
}

TEST(Pens, FourWayPenDrawsAllFourImages) {
    RunDab({640, 480}, [] {
        int mx = 2 * (canvasWidth / 2), my = 2 * (canvasHeight / 2);
        UseTool(kFourWayState);
        Stroke({{100, 100}, {140, 120}, {180, 120}});
        COLORREF k = paletteColours[5];
        for (POINT p : {POINT{120, 110}, POINT{160, 120}}) {
            int x = p.x, y = p.y;
            ExpectPixels(CanvasPixel, {{x, y, k}, {mx - x, y, k}, {x, my - y, k}, {mx - x, my - y, k}});
        }
    });
}

TEST(Pens, MirrorPensDrawTheirImagesAcrossTheMiddleLines) {
    RunDab({640, 480}, [] {
        int mx = 2 * (canvasWidth / 2), my = 2 * (canvasHeight / 2);
        COLORREF k = paletteColours[5];
        UseTool(kTopToBottomState);
        Stroke({{100, 80}, {140, 100}});
        ExpectPixels(CanvasPixel, {{120, 90, k}, {120, my - 90, k}});
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a41.mub"});
        UseTool(kLeftToRightState);
        Stroke({{100, 150}, {140, 170}});
        ExpectPixels(CanvasPixel, {{120, 160, k}, {mx - 120, 160, k}});
        // The curtain: every segment starts on the press row at the previous x.
        ClearCanvas();
        UseTool(kCurtainState);
        Stroke({{100, 200}, {110, 260}, {120, 260}, {130, 260}});
        // Segments from (x, 200) to (x + 10, 260) and their images.
        auto paintedNear = [](int x, int y) {
            return CanvasPixel(x - 1, y) != kWhite || CanvasPixel(x, y) != kWhite || CanvasPixel(x + 1, y) != kWhite;
        };
        for (int x : {110, 120})
            for (int y = 200; y < 260; y += 10) {
                EXPECT_TRUE(paintedNear(x + (y - 200) / 6, y)) << x << "," << y;
                EXPECT_TRUE(paintedNear(mx - x - (y - 200) / 6, y)) << x << "," << y;
            }
    });
}

TEST(Pens, PointMirroredLinesPassThroughThePressPoint) {
    RunDab({640, 480}, [] {
        UseTool(kPointMirroredState);
        Stroke({{200, 200}, {250, 200}, {200, 260}});
        COLORREF k = paletteColours[5];
        ExpectPixels(CanvasPixel, {{160, 200, k}, {240, 200, k}, {200, 150, k}, {200, 250, k}});
    });
}

TEST(Pens, RedGreenBluePenDrawsSixLinesAlongTheDiagonal) {
    RunDab({640, 480}, [] {
        UseTool(kRedGreenBlueState);
        Stroke({{100, 200}, {200, 200}});
        std::vector<COLORREF> column;
        for (int y = 195; y <= 205; y++) column.push_back(CanvasPixel(150, y));
        COLORREF r = RGB(255, 0, 0), g = RGB(0, 255, 0), b = RGB(0, 0, 255);
        EXPECT_EQ(column, (std::vector<COLORREF>{kWhite, kWhite, r, r, g, g, b, b, kWhite, kWhite, kWhite}));
    });
}

TEST(Pens, StripedRibbonBandsRunAcrossTheDiagonal) {
    RunDab({640, 480}, [] {
        ChooseColourFamily(3);
        ChooseShade(7);
        ChoosePenWidth(2);
        for (ToolState state : {kStripedState, kStripedReversedState}) {
            ClearCanvas();
            UseTool(state);
            Stroke({{100, 200}, {300, 200}});
            // Ten two-pixel lines offset t = -5 .. 4, each drawn over the one before: the odd rows from 195
            // show one line of each band, whichever row of its two a wide pen paints first.
            std::vector<COLORREF> bands;
            for (int y = 195; y <= 203; y += 2) bands.push_back(CanvasPixel(200, y));
            int outer = state == kStripedState ? 35 : 37, inner = state == kStripedState ? 37 : 35;
            EXPECT_EQ(bands, (std::vector<COLORREF>{paletteColours[outer], paletteColours[36], paletteColours[inner],
                                                    paletteColours[36], paletteColours[outer]}))
                << "state " << state;
        }
    });
}

TEST(Pens, ShadeTripleIsThreeNeighbouringShadesOfTheFamily) {
    RunDab({640, 480}, [] {
        ChooseColourFamily(4);
        for (auto [shade, first] : {std::pair{0, 40}, {3, 40}, {4, 42}, {9, 47}}) {
            ChooseShade(shade);
            UpdateShadeTriple();
            EXPECT_EQ(ShadeColour(0), paletteColours[first]) << shade;
            EXPECT_EQ(ShadeColour(1), paletteColours[first + 1]);
            EXPECT_EQ(ShadeColour(2), paletteColours[first + 2]);
        }
    });
}

}  // namespace
