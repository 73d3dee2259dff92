// Every drawing routine makes its pens, brushes and device context for one call only: a thousand calls
// leave as many graphics objects alive as there were before.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "base/state.h"
#include "dab.h"
#include "draw/draw.h"

using dab_test::RunDab;

namespace {

constexpr COLORREF kColour = RGB(10, 200, 30);

const std::vector<std::pair<std::string, std::function<void(int)>>>& Routines() {
    static const std::vector<std::pair<std::string, std::function<void(int)>>> routines = {
        {"DrawDot", [](int i) { DrawDot(canvasWindow, appPalette, i % 500, 100, kColour, i % 8 + 1); }},
        {"DrawNibStroke", [](int i) { DrawNibStroke(canvasWindow, appPalette, 100, 100, 3, kColour, i % 11, 140, 120); }},
        {"TrackShapeOutline", [](int i) { TrackShapeOutline(canvasWindow, appPalette, i % 14, 200, 200, 150, 180, 100, 100); }},
        {"DrawFinishedShape",
         [](int i) { DrawFinishedShape(canvasWindow, appPalette, i % 14, 200, 200, 100, 100, 150, 180, i % 9, 3, kColour); }},
        {"DrawFinishedLine", [](int) { DrawFinishedLine(canvasWindow, appPalette, 10, 10, 50, 50, 90, 60, 4, kColour); }},
        {"DrawFinishedBox", [](int) { DrawFinishedBox(canvasWindow, appPalette, 10, 10, 50, 50, 90, 60, 4, kColour); }},
        {"DrawLineBurst", [](int) { DrawLineBurst(canvasWindow, appPalette, 2, kColour, 200, 200); }},
        {"DrawSparkleStroke", [](int) { DrawSparkleStroke(canvasWindow, appPalette, kColour, 1, 2, 3, 200, 200, 190, 190); }},
        {"DrawEraserSquare", [](int i) { DrawEraserSquare(canvasWindow, appPalette, 200, 200, 20, 190, 190, i % 3); }},
        {"DrawStripedDab", [](int) { DrawStripedDab(canvasWindow, appPalette, 200, 200, 1, 2, 3, 5); }},
        {"DrawFuzzyStroke", [](int) { DrawFuzzyStroke(canvasWindow, appPalette, 200, 200, kColour, 210, 205); }},
        {"DrawRgbDab", [](int) { DrawRgbDab(canvasWindow, appPalette, 200, 200); }},
        {"DrawBlobTrail", [](int) { DrawBlobTrail(200, 200, canvasWindow, appPalette, kColour); }},
        {"ScatterPixels", [](int) { ScatterPixels(200, 200, canvasWindow, appPalette); }},
        {"SprayDots", [](int i) { SprayDots(200, 200, 4, kColour, i % 2, canvasWindow, appPalette); }},
        {"DrawGrassTuft", [](int) { DrawGrassTuft(200, 200, kColour, canvasWindow, appPalette); }},
        {"DrawBubbles", [](int) { DrawBubbles(3, 200, 200, kColour, canvasWindow, appPalette); }},
        {"FillCanvasColour", [](int) { FillCanvasColour(canvasWindow, appPalette, kColour, 60, 40); }},
        {"DrawStarField", [](int) { DrawStarField(canvasWindow, appPalette, kColour, 0, 60, 40); }},
    };
    return routines;
}

TEST(DrawObjects, AThousandCallsOfEachRoutineLeakNothing) {
    RunDab({640, 480}, [] {
        // Stock objects come into being on first use; count after one round.
        for (const auto& routine : Routines()) routine.second(0);
        for (const auto& [name, call] : Routines()) {
            size_t before = testing::LiveGdiObjects();
            for (int i = 0; i < 1000; i++) call(i);
            EXPECT_EQ(testing::LiveGdiObjects(), before) << name;
        }
    });
}

// The routines take a fresh device context each time: a context a caller holds keeps its own pen, brush
// and raster operation however many routines run meanwhile.
TEST(DrawObjects, RoutinesLeaveAContextTheCallerHoldsAlone) {
    RunDab({640, 480}, [] {
        HDC held = GetDC(canvasWindow);
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
        HGDIOBJ oldPen = SelectObject(held, pen);
        SetROP2(held, R2_NOT);
        for (const auto& routine : Routines()) routine.second(1);
        EXPECT_EQ(SelectObject(held, oldPen), pen);
        EXPECT_EQ(GetROP2(held), R2_NOT);
        ReleaseDC(canvasWindow, held);
        DeleteObject(pen);
    });
}

}  // namespace
