// The polygon tools: the outline follows the mouse, the release closes and fills it, and a stroke longer
// than the vertex list still draws its outline without writing past the list.
#include <gtest/gtest.h>

#include "canvas/brush_choice.h"
#include "canvas/polygon_tools.h"
#include "canvas/tools.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

TEST(Pens, PolygonIsFilledInTheFillPatternOnRelease) {
    RunDab({640, 480}, [] {
        ChooseFillPattern(2);
        UseTool(kFilledPolygonState);
        Stroke({{100, 100}, {200, 100}, {200, 200}, {100, 200}});
        COLORREF k = paletteColours[5];
        ExpectPixels(CanvasPixel, {{150, 150, k}, {100, 150, k, "the closing line"}, {250, 150, kWhite}});
        EXPECT_EQ(PolygonVertexCount(), 4) << "the press and three moves; the release point is not counted";
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a38.mub"});
        // Hollow keeps only the outline.
        ClearCanvas();
        ChooseFillPattern(1);
        Stroke({{100, 100}, {200, 100}, {200, 200}, {100, 200}});
        ExpectPixels(CanvasPixel, {{150, 150, kWhite}, {150, 100, k}});
    });
}

TEST(Pens, WhitePolygonEraserWhitensTheInside) {
    RunDab({640, 480}, [] {
        PaintCanvas(Checks);
        UseTool(kWhitePolygonState);
        Stroke({{100, 100}, {200, 100}, {200, 200}, {100, 200}});
        for (POINT p : {POINT{150, 150}, POINT{101, 101}, POINT{199, 199}, POINT{150, 100}})
            EXPECT_EQ(CanvasPixel(p.x, p.y), kWhite) << p.x << "," << p.y;
        EXPECT_EQ(CanvasPixel(250, 150), Checks(250, 150));
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a28.mub"});
    });
}

TEST(Pens, PolygonPressAndReleaseWithoutAMoveFillsNothingVisible) {
    RunDab({640, 480}, [] {
        for (int pattern : {1, 2, 7}) {
            ChooseFillPattern(pattern);
            UseTool(kFilledPolygonState);
            CanvasImage before = ReadCanvas();
            Click({200, 200});
            EXPECT_EQ(ReadCanvas(), before) << "pattern " << pattern;
            EXPECT_EQ(PolygonVertexCount(), 1);
        }
    });
}

TEST(Pens, PolygonOfSixThousandMovesKeepsToItsListAndDrawsItsOutline) {
    RunDab({640, 480}, [] {
        ChooseFillPattern(1);
        UseTool(kFilledPolygonState);
        CanvasPress({20, 20});
        // Back and forth along rows 20 to 319, then a last run far to the right.
        for (int i = 0; i < 5990; i++) CanvasMove({20 + (i % 2) * 200, 20 + (i / 20)});
        for (int i = 0; i < 10; i++) CanvasMove({450 + i * 10, 350});
        testing::WaitUntilIdle();
        EXPECT_EQ(PolygonVertexCount(), kPolygonPoints);
        EXPECT_EQ(CanvasPixel(475, 350), paletteColours[5]) << "the outline past the full list";
        CanvasRelease({540, 380});
        testing::WaitUntilIdle();
        EXPECT_FALSE(StrokeActive());
        EXPECT_EQ(PolygonVertexCount(), kPolygonPoints);
        EXPECT_NE(CanvasPixel(540, 365), kWhite) << "the closing line to the release point";
    });
}

}  // namespace
