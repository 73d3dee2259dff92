// Rubber bands and the finished shapes, line and box.
#include <gtest/gtest.h>

#include "canvas_pixels.h"
#include "draw/draw.h"

using namespace dab_test;

namespace {

constexpr int kShapes[] = {kStar, kOctagon, kRectangle, kEllipse, kRightTriangle, kIsoscelesTriangle};

TEST(Shapes, RubberBandDrawnTwiceRestoresTheCanvasForEveryShape) {
    RunDab({640, 480}, [] {
        PaintCanvas(Checks);
        CanvasImage before = ReadCanvas();
        for (int shape : kShapes) {
            // Down at (120, 90), out to (300, 250), then up and left of the anchor, then back.
            TrackShapeOutline(canvasWindow, appPalette, shape, 120, 90, 120, 90, 300, 250);
            EXPECT_NE(ReadCanvas(), before) << "shape " << shape << " draws an outline";
            TrackShapeOutline(canvasWindow, appPalette, shape, 120, 90, 300, 250, 20, 30);
            TrackShapeOutline(canvasWindow, appPalette, shape, 120, 90, 20, 30, 120, 90);
            EXPECT_EQ(ReadCanvas(), before) << "shape " << shape;
        }
        TrackShapeOutline(canvasWindow, appPalette, 7, 120, 90, 120, 90, 300, 250);
        EXPECT_EQ(ReadCanvas(), before) << "a code that is no shape draws nothing";
    });
}

TEST(Shapes, FinishingErasesTheLastRubberBand) {
    RunDab({640, 480}, [] {
        PaintCanvas(Checks);
        for (int shape : kShapes) {
            PaintCanvas(Checks);
            // What the finished figure alone gives: finished from an empty rubber band.
            DrawFinishedShape(canvasWindow, appPalette, shape, 100, 80, 100, 80, 260, 200, 3, kBlue, 1);
            CanvasImage alone = ReadCanvas();
            PaintCanvas(Checks);
            TrackShapeOutline(canvasWindow, appPalette, shape, 100, 80, 100, 80, 330, 260);
            DrawFinishedShape(canvasWindow, appPalette, shape, 100, 80, 330, 260, 260, 200, 3, kBlue, 1);
            EXPECT_EQ(ReadCanvas(), alone) << "shape " << shape;
        }
    });
}

TEST(Shapes, LineToolErasesItsRubberLine) {
    RunDab({640, 480}, [] {
        PaintCanvas(Checks);
        DrawFinishedLine(canvasWindow, appPalette, 50, 60, 50, 60, 250, 140, 5, kBlue);
        CanvasImage alone = ReadCanvas();
        PaintCanvas(Checks);
        // The canvas draws the rubber line itself with the white exclusive-or pen.
        WithCanvasPen(kWhite, R2_XORPEN, [](HDC dc) { DrawLine(dc, 50, 60, 400, 300); });
        DrawFinishedLine(canvasWindow, appPalette, 50, 60, 400, 300, 250, 140, 5, kBlue);
        EXPECT_EQ(ReadCanvas(), alone);
        EXPECT_EQ(CanvasPixel(150, 100), kBlue);
    });
}

TEST(Shapes, StarAndOctagonDraggedUpAndLeftKeepTheirTipsAndCuts) {
    RunDab({640, 480}, [] {
        for (bool upLeft : {false, true}) {
            ClearCanvas();
            int l = upLeft ? 300 : 100, t = upLeft ? 300 : 100, r = upLeft ? 100 : 300, b = upLeft ? 100 : 300;
            DrawFinishedShape(canvasWindow, appPalette, kStar, l, t, l, t, r, b, 1, kBlue, 2);
            ExpectPixels(CanvasPixel, {{200, 200, kBlue, "the star's middle"},
                                       {200, 103, kBlue, "the top tip at half the width"},
                                       {103, 200, kBlue, "the left tip at half the height"},
                                       {110, 110, kWhite, "no corner"}, {290, 290, kWhite, "no corner"}});

            ClearCanvas();
            DrawFinishedShape(canvasWindow, appPalette, kOctagon, l, t, l, t, r, b, 1, kBlue, 2);
            ExpectPixels(CanvasPixel, {{200, 200, kBlue}, {200, 102, kBlue, "the top edge between the thirds"},
                                       {102, 200, kBlue}, {110, 110, kWhite, "the corner is cut"}, {290, 110, kWhite},
                                       {290, 290, kWhite}});
        }
    });
}

// The columns of the top row of an outlined isosceles triangle.
std::vector<int> ApexColumns(int l, int r) {
    ClearCanvas();
    DrawFinishedShape(canvasWindow, appPalette, kIsoscelesTriangle, l, 50, l, 50, r, 80, 1, kBlue, 1);
    std::vector<int> columns;
    for (int x = 90; x < 120; x++)
        if (CanvasPixel(x, 50) == kBlue) columns.push_back(x);
    return columns;
}

TEST(Shapes, IsoscelesApexForOddWidthsEitherWay) {
    RunDab({640, 480}, [] {
        EXPECT_EQ(ApexColumns(100, 107), std::vector<int>{103});
        EXPECT_EQ(ApexColumns(107, 100), std::vector<int>{103});
    });
}

TEST(Shapes, WireFrameBoxBackFaceFollowsTheDrag) {
    RunDab({640, 480}, [] {
        DrawFinishedBox(canvasWindow, appPalette, 100, 100, 100, 100, 200, 150, 1, kBlue);
        ExpectPixels(CanvasPixel, {{100, 100, kBlue}, {199, 150, kBlue}, {130, 130, kBlue, "the back face's corner"},
                                   {229, 180, kBlue}, {230, 180, kWhite, "the back face's last corner is not painted"},
                                   {215, 165, kBlue, "the edge from (200, 150)"},
                                   {115, 165, kBlue, "the edge from (100, 150)"}});

        ClearCanvas();
        DrawFinishedBox(canvasWindow, appPalette, 200, 150, 200, 150, 100, 100, 1, kBlue);
        ExpectPixels(CanvasPixel, {{170, 120, kBlue, "the back face lies up and to the left"}, {71, 70, kBlue},
                                   {70, 71, kBlue}, {230, 180, kWhite}, {185, 135, kBlue, "the edge from (200, 150)"}});
    });
}

TEST(Shapes, BoxToolErasesItsRubberRectangle) {
    RunDab({640, 480}, [] {
        PaintCanvas(Checks);
        DrawFinishedBox(canvasWindow, appPalette, 100, 100, 100, 100, 200, 150, 2, kBlue);
        CanvasImage alone = ReadCanvas();
        PaintCanvas(Checks);
        TrackShapeOutline(canvasWindow, appPalette, kRectangle, 100, 100, 100, 100, 320, 260);
        DrawFinishedBox(canvasWindow, appPalette, 100, 100, 320, 260, 200, 150, 2, kBlue);
        EXPECT_EQ(ReadCanvas(), alone);
    });
}

TEST(Shapes, HollowAndHatchedFillsLeaveThePictureVisible) {
    RunDab({640, 480}, [] {
        PaintCanvas(Checks);
        CanvasImage before = ReadCanvas();
        DrawFinishedShape(canvasWindow, appPalette, kRectangle, 100, 100, 100, 100, 300, 300, 2, kBlue, 1);
        CanvasImage hollow = ReadCanvas();
        for (int y = 110; y < 290; y++)
            for (int x = 110; x < 290; x++) ASSERT_EQ(hollow.at(x, y), before.at(x, y)) << "hollow inside at " << x << ", " << y;

        for (int style = 3; style <= 8; style++) {
            PaintCanvas(Checks);
            DrawFinishedShape(canvasWindow, appPalette, kEllipse, 100, 100, 100, 100, 300, 300, 1, kBlue, style);
            CanvasImage hatched = ReadCanvas();
            int kept = 0, painted = 0;
            for (int y = 170; y < 230; y++)
                for (int x = 170; x < 230; x++) {
                    if (hatched.at(x, y) == before.at(x, y)) kept++;
                    else if (hatched.at(x, y) == kBlue) painted++;
                    else ADD_FAILURE() << "style " << style << " left a colour of its own at " << x << ", " << y;
                }
            EXPECT_GT(kept, 1800) << "style " << style << " shows the picture between its lines";
            EXPECT_GT(painted, 200) << "style " << style << " draws its hatch";
        }

        PaintCanvas(Checks);
        DrawFinishedShape(canvasWindow, appPalette, kRectangle, 100, 100, 100, 100, 300, 300, 1, kBlue, 2);
        EXPECT_EQ(CanvasPixel(200, 200), kBlue) << "style 2 is solid";
    });
}

}  // namespace
