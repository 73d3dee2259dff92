// The tools whose press does everything: the flood fill, the stamp, the blob trail and the splat.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "base/sound.h"
#include "canvas/brush_choice.h"
#include "canvas/marks.h"
#include "canvas/polygon_tools.h"
#include "canvas/stamp.h"
#include "canvas/tools.h"
#include "draw/draw.h"
#include "options/choosers.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

// A black square outline from (100, 100) to (200, 200) on a white canvas.
void DrawBlackBox() {
    ClearCanvas();
    HDC dc = GetDC(canvasWindow);
    HGDIOBJ kept = SelectObject(dc, GetStockObject(BLACK_PEN));
    DrawRectOutline(dc, 100, 100, 200, 200);
    LineTo(dc, 200, 201);
    SelectObject(dc, kept);
    ReleaseDC(canvasWindow, dc);
}

TEST(Tools, FillPaintsTheConnectedAreaAndEndsTheStroke) {
    RunDab({640, 480}, [] {
        DrawBlackBox();
        UseTool(kFillState);
        ChooseFillPattern(2);
        Click({150, 150});
        COLORREF k = paletteColours[5];
        ExpectPixels(CanvasPixel, {{101, 101, k}, {199, 199, k}, {100, 150, kBlack, "the outline stays"},
                                   {250, 150, kWhite, "outside the outline"}});
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a55.mub"});
        EXPECT_FALSE(StrokeActive());
    });
}

TEST(Tools, FillHatchesLeaveTheGapsAsTheyWere) {
    RunDab({640, 480}, [] {
        DrawBlackBox();
        UseTool(kFillState);
        ChooseFillPattern(5);
        Click({150, 150});
        int painted = 0, white = 0;
        for (int y = 101; y < 200; y++) (CanvasPixel(150, y) == paletteColours[5] ? painted : white)++;
        EXPECT_GT(painted, 5);
        EXPECT_GT(white, 50) << "horizontal hatch lines with white between them";
    });
}

TEST(Tools, FillOnTheCurrentColourOrOnBlackInColouringModeDoesNothing) {
    RunDab({640, 480}, [] {
        DrawBlackBox();
        UseTool(kFillState);
        Click({150, 150});
        CanvasImage filled = ReadCanvas();
        UseTool(kFillState);
        Click({150, 150});
        EXPECT_EQ(ReadCanvas(), filled) << "a pixel already in the current colour";
        EXPECT_TRUE(SoundFiles().empty());
        UseColouringMode(true);
        UseTool(kFillState);
        Click({100, 150});
        EXPECT_EQ(ReadCanvas(), filled) << "a black outline in colouring mode";
        EXPECT_TRUE(SoundFiles().empty());
        // Out of colouring mode the outline is an area like any other.
        UseColouringMode(false);
        Click({100, 150});
        EXPECT_EQ(CanvasPixel(100, 150), paletteColours[5]);
    });
}

TEST(Tools, StampIsCentredOnThePressAndDraggingDoesNotRepeatIt) {
    RunDab({640, 480}, [] {
        ChooseStamp(1);
        HDC dc = GetDC(canvasWindow);
        DrawIcon(dc, 200 - 16, 150 - 16, StampIcon());
        ReleaseDC(canvasWindow, dc);
        CanvasImage expected = ReadCanvas();
        ASSERT_FALSE(Painted(expected).empty());
        ClearCanvas();
        UseTool(kStampState);
        Stroke({{200, 150}, {260, 190}, {330, 230}});
        EXPECT_EQ(ReadCanvas(), expected);
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a11.mub"});
        SwitchSound();
        UseTool(kStampState);
        Click({100, 100});
        EXPECT_TRUE(SoundFiles().empty());
    });
}

TEST(Tools, BlobTrailAndSplatEndTheStrokeAtOnce) {
    RunDab({640, 480}, [] {
        for (ToolState state : {kBlobState, kSplatState}) {
            ClearCanvas();
            UseTool(state);
            CanvasPress({300, 200});
            testing::WaitUntilIdle();
            EXPECT_FALSE(StrokeActive());
            CanvasImage pressed = ReadCanvas();
            EXPECT_FALSE(Painted(pressed).empty());
            CanvasMove({320, 220});
            CanvasRelease({320, 220});
            testing::WaitUntilIdle();
            EXPECT_EQ(ReadCanvas(), pressed) << "state " << state << " draws once";
            EXPECT_EQ(SoundFiles(), std::vector<std::string>{state == kBlobState ? "a17.mub" : "a38.mub"});
        }
    });
}

TEST(Tools, SplatHasFiveToTwentyFourVerticesWithinEightyPixels) {
    RunDab({640, 480}, [] {
        constexpr POINT kUnused{-99999, -99999};
        int fewest = 100, most = 0;
        for (int round = 0; round < 300; round++) {
            std::fill(PolygonVertices(), PolygonVertices() + 40, kUnused);
            ClearCanvas();
            DrawSplatPolygon(300, 200);
            // One point more is computed than the polygon uses.
            int computed = 0;
            while (PolygonVertices()[computed].x != kUnused.x) {
                POINT p = PolygonVertices()[computed];
                ExpectInside({p.x, p.y, p.x, p.y}, {220, 120, 379, 279});
                computed++;
            }
            fewest = std::min(fewest, computed - 1);
            most = std::max(most, computed - 1);
            if (round % 50 == 0)
                for (POINT p : Painted(ReadCanvas())) ExpectInside({p.x, p.y, p.x, p.y}, {220, 120, 379, 279});
        }
        EXPECT_EQ(fewest, 5);
        EXPECT_EQ(most, 24);
    });
}

}  // namespace
