// Lines, outlines, distances, dots and nib strokes on the canvas.
#include <gtest/gtest.h>

#include "canvas_pixels.h"
#include "draw/draw.h"

using namespace dab_test;

namespace {

// Runs draw with a one-pixel pen of that colour and raster operation on the canvas's own DC.
void WithCanvasPen(COLORREF colour, int rop, const std::function<void(HDC)>& draw) {
    HDC dc = GetDC(canvasWindow);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    SetROP2(dc, rop);
    draw(dc);
    SelectObject(dc, old);
    ReleaseDC(canvasWindow, dc);
    DeleteObject(pen);
}

TEST(Primitives, LinesLeaveOutTheirEndAndOutlinesTheirLastCorner) {
    RunDab({640, 480}, [] {
        CanvasImage before = ReadCanvas();
        WithCanvasPen(kRed, R2_COPYPEN, [](HDC dc) { DrawLine(dc, 50, 50, 50, 50); });
        EXPECT_EQ(ReadCanvas(), before) << "a line to its own start paints nothing";

        WithCanvasPen(kRed, R2_COPYPEN, [](HDC dc) { DrawLine(dc, 10, 10, 20, 10); });
        EXPECT_EQ(CanvasPixel(10, 10), kRed);
        EXPECT_EQ(CanvasPixel(19, 10), kRed);
        EXPECT_EQ(CanvasPixel(20, 10), kWhite);

        WithCanvasPen(kRed, R2_COPYPEN, [](HDC dc) { DrawRectOutline(dc, 100, 100, 140, 130); });
        EXPECT_EQ(CanvasPixel(100, 100), kRed);
        EXPECT_EQ(CanvasPixel(140, 100), kRed);
        EXPECT_EQ(CanvasPixel(100, 130), kRed);
        EXPECT_EQ(CanvasPixel(140, 129), kRed);
        EXPECT_EQ(CanvasPixel(140, 130), kWhite) << "the bottom-right corner is never painted";
        EXPECT_EQ(CanvasPixel(120, 115), kWhite) << "no fill";
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
    EXPECT_EQ(PointDistance(0, 0, 3, 4), 5);
    EXPECT_EQ(PointDistance(3, 4, 0, 0), 5);
    EXPECT_EQ(PointDistance(0, 0, 1, 1), 1);
    EXPECT_EQ(PointDistance(7, -2, 7, -2), 0);
    EXPECT_EQ(PointDistance(-5, 0, 5, 0), 10);
    EXPECT_EQ(PointDistance(0, 0, 2, 3), 3);
    // Mouse points far outside the canvas while captured: no overflow.
    EXPECT_EQ(PointDistance(-32768, -32768, 32767, 32767), 92680);
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
        EXPECT_EQ(CanvasPixel(200, 200), kRed);
        EXPECT_EQ(CanvasPixel(197, 200), kRed);
        EXPECT_EQ(CanvasPixel(200, 203), kRed);
        EXPECT_EQ(CanvasPixel(196, 200), kWhite);
        EXPECT_EQ(CanvasPixel(197, 197), kWhite) << "round, not square";
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
        EXPECT_EQ(CanvasPixel(98, 102), kRed);
        EXPECT_EQ(CanvasPixel(102, 98), kWhite);

        // Styles 3 and 4: one-pixel bars of 4 × width whatever the width.
        DrawNibStroke(canvasWindow, appPalette, 300, 100, 0, 0, 3, kRed, 3);
        EXPECT_EQ(CanvasPixel(300, 94), kRed);
        EXPECT_EQ(CanvasPixel(300, 105), kRed);
        EXPECT_EQ(CanvasPixel(301, 100), kWhite);

        // Style 5, width 3: twelve slanted lines of a 3-pixel pen, i = -6 .. 5, from (x + i, y - i) to
        // (x2 + i, y2 - i): the first from (194, 206) to (234, 206), the last from (205, 195) to (245, 195).
        ClearCanvas();
        DrawNibStroke(canvasWindow, appPalette, 200, 200, 240, 200, 3, kRed, 5);
        EXPECT_EQ(CanvasPixel(194, 206), kRed);
        EXPECT_EQ(CanvasPixel(233, 206), kRed);
        EXPECT_EQ(CanvasPixel(244, 195), kRed);
        EXPECT_EQ(CanvasPixel(192, 209), kWhite);
        EXPECT_EQ(CanvasPixel(248, 195), kWhite);
        EXPECT_EQ(CanvasPixel(215, 191), kWhite);

        // Style 7 takes no notice of y, style 8 none of x.
        ClearCanvas();
        DrawNibStroke(canvasWindow, appPalette, 100, 50, 130, 300, 2, kRed, 7);
        CanvasImage seven = ReadCanvas();
        ClearCanvas();
        DrawNibStroke(canvasWindow, appPalette, 100, 250, 130, 300, 2, kRed, 7);
        EXPECT_EQ(ReadCanvas(), seven);
        ClearCanvas();
        DrawNibStroke(canvasWindow, appPalette, 10, 100, 130, 300, 2, kRed, 8);
        CanvasImage eight = ReadCanvas();
        ClearCanvas();
        DrawNibStroke(canvasWindow, appPalette, 400, 100, 130, 300, 2, kRed, 8);
        EXPECT_EQ(ReadCanvas(), eight);
        EXPECT_NE(seven, eight);

        // Style 9: the plain wide line.
        ClearCanvas();
        DrawNibStroke(canvasWindow, appPalette, 100, 100, 200, 100, 8, kRed, 9);
        EXPECT_EQ(CanvasPixel(150, 97), kRed);
        EXPECT_EQ(CanvasPixel(150, 103), kRed);
        EXPECT_EQ(CanvasPixel(150, 106), kWhite);
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
