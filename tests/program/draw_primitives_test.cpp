// Lines, outlines, distances, dots and nib strokes on the canvas.
#include <gtest/gtest.h>

#include "canvas_pixels.h"
#include "draw/draw.h"

using namespace dab_test;

namespace {

TEST(Primitives, LinesLeaveOutTheirEndAndOutlinesTheirLastCorner) {
    RunDab({640, 480}, [] {
        CanvasImage before = ReadCanvas();
        WithCanvasPen(kRed, R2_COPYPEN, [](HDC dc) { DrawLine(dc, 50, 50, 50, 50); });
        EXPECT_EQ(ReadCanvas(), before) << "a line to its own start paints nothing";

        WithCanvasPen(kRed, R2_COPYPEN, [](HDC dc) { DrawLine(dc, 10, 10, 20, 10); });
        ExpectPixels(CanvasPixel, {{10, 10, kRed}, {19, 10, kRed}, {20, 10, kWhite}});

        WithCanvasPen(kRed, R2_COPYPEN, [](HDC dc) { DrawRectOutline(dc, 100, 100, 140, 130); });
        ExpectPixels(CanvasPixel, {{100, 100, kRed}, {140, 100, kRed}, {100, 130, kRed}, {140, 129, kRed},
                                   {140, 130, kWhite, "the bottom-right corner is never painted"},
                                   {120, 115, kWhite, "no fill"}});
    });
}

TEST(Primitives, ExclusiveOrOutlineDrawnTwiceRestoresEveryPixel) {
    RunDab({640, 480}, [] {
        PaintCanvas(Checks);
        CanvasImage before = ReadCanvas();
        WithCanvasPen(kWhite, R2_XORPEN, [](HDC dc) { DrawRectOutline(dc, 30, 40, 300, 200); });
        CanvasImage once = ReadCanvas();
        EXPECT_NE(once, before);
        // Painted twice, the top-left corner keeps its colour.
        EXPECT_EQ(once.at(30, 40), before.at(30, 40));
        WithCanvasPen(kWhite, R2_XORPEN, [](HDC dc) { DrawRectOutline(dc, 30, 40, 300, 200); });
        EXPECT_EQ(ReadCanvas(), before);
    });
}

TEST(Primitives, PointDistanceRoundsDown) {
    // The last: mouse points far outside the canvas while captured, with no overflow.
    const int cases[][5] = {{0, 0, 3, 4, 5}, {3, 4, 0, 0, 5}, {0, 0, 1, 1, 1}, {7, -2, 7, -2, 0}, {-5, 0, 5, 0, 10},
                            {0, 0, 2, 3, 3}, {-32768, -32768, 32767, 32767, 92680}};
    for (auto [x1, y1, x2, y2, distance] : cases)
        EXPECT_EQ(PointDistance(x1, y1, x2, y2), distance) << x1 << "," << y1 << " to " << x2 << "," << y2;
}

TEST(Primitives, DotsAreOnePixelOrRound) {
    RunDab({640, 480}, [] {
        CanvasImage before = ReadCanvas();
        DrawDot(canvasWindow, appPalette, 60, 70, 1, kRed);
        std::vector<POINT> changed = Differences(before, ReadCanvas());
        ASSERT_EQ(changed.size(), 1u);
        EXPECT_EQ(changed[0].x, 60);
        EXPECT_EQ(changed[0].y, 70);

        DrawDot(canvasWindow, appPalette, 200, 200, 7, kRed);
        ExpectPixels(CanvasPixel, {{200, 200, kRed}, {197, 200, kRed}, {200, 203, kRed}, {196, 200, kWhite},
                                   {197, 197, kWhite, "round, not square"}});
    });
}

TEST(Primitives, NibMarksAndRibbons) {
    RunDab({640, 480}, [] {
        // Style 1, width 1: the rising slash from (x - 2, y + 2) towards (x + 2, y - 2), its end left out.
        CanvasImage before = ReadCanvas();
        DrawNibStroke(canvasWindow, appPalette, 100, 100, 0, 0, 1, kRed, 1);
        std::vector<POINT> slash = Differences(before, ReadCanvas());
        ASSERT_EQ(slash.size(), 4u);
        for (POINT p : slash) EXPECT_EQ(p.x - 100, 100 - p.y) << "on the rising diagonal";
        ExpectPixels(CanvasPixel, {{98, 102, kRed}, {102, 98, kWhite}});

        // Styles 3 and 4: one-pixel bars of 4 × width whatever the width.
        DrawNibStroke(canvasWindow, appPalette, 300, 100, 0, 0, 3, kRed, 3);
        ExpectPixels(CanvasPixel, {{300, 94, kRed}, {300, 105, kRed}, {301, 100, kWhite}});

        // Style 5, width 3: twelve slanted lines of a 3-pixel pen, i = -6 .. 5, from (x + i, y - i) to
        // (x2 + i, y2 - i): the first from (194, 206) to (234, 206), the last from (205, 195) to (245, 195).
        ClearCanvas();
        DrawNibStroke(canvasWindow, appPalette, 200, 200, 240, 200, 3, kRed, 5);
        ExpectPixels(CanvasPixel, {{194, 206, kRed}, {233, 206, kRed}, {244, 195, kRed}, {192, 209, kWhite},
                                   {248, 195, kWhite}, {215, 191, kWhite}});

        // Style 7 takes no notice of y, style 8 none of x.
        auto nib = [](int x, int y, int style) {
            ClearCanvas();
            DrawNibStroke(canvasWindow, appPalette, x, y, 130, 300, 2, kRed, style);
            return ReadCanvas();
        };
        CanvasImage seven = nib(100, 50, 7), eight = nib(10, 100, 8);
        EXPECT_EQ(nib(100, 250, 7), seven);
        EXPECT_EQ(nib(400, 100, 8), eight);
        EXPECT_NE(seven, eight);

        // Style 9: the plain wide line.
        ClearCanvas();
        DrawNibStroke(canvasWindow, appPalette, 100, 100, 200, 100, 8, kRed, 9);
        ExpectPixels(CanvasPixel, {{150, 97, kRed}, {150, 103, kRed}, {150, 106, kWhite}});
    });
}

TEST(Primitives, NibStylesOutsideOneToNineDrawNothing) {
    RunDab({640, 480}, [] {
        CanvasImage before = ReadCanvas();
        size_t objects = testing::LiveGdiObjects();
        for (int style : {0, 10, -1, 99}) DrawNibStroke(canvasWindow, appPalette, 100, 100, 150, 150, 4, kRed, style);
        EXPECT_EQ(ReadCanvas(), before);
        EXPECT_EQ(testing::LiveGdiObjects(), objects);
    });
}

}  // namespace
