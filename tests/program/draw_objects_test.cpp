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
        {"DrawDot", [](int i) { DrawDot(canvasWindow, appPalette, i % 500, 100, i % 8 + 1, kColour); }},
        {"DrawNibStroke",
         [](int i) { DrawNibStroke(canvasWindow, appPalette, 100, 100, 140, 120, 3, kColour, i % 11); }},
        {"TrackShapeOutline",
         [](int i) { TrackShapeOutline(canvasWindow, appPalette, i % 14, 100, 100, 150, 180, 200, 200); }},
        {"DrawFinishedShape",
         [](int i) {
             DrawFinishedShape(canvasWindow, appPalette, i % 14, 100, 100, 150, 180, 200, 200, 3, kColour, i % 9);
         }},
        {"DrawFinishedLine",
         [](int) { DrawFinishedLine(canvasWindow, appPalette, 10, 10, 50, 50, 90, 60, 4, kColour); }},
        {"DrawFinishedBox", [](int) { DrawFinishedBox(canvasWindow, appPalette, 10, 10, 50, 50, 90, 60, 4, kColour); }},
        {"DrawLineBurst", [](int) { DrawLineBurst(canvasWindow, appPalette, 200, 200, 2, kColour); }},
        {"DrawSparkleStroke",
         [](int) { DrawSparkleStroke(canvasWindow, appPalette, 200, 200, 190, 190, kColour, 1, 2, 3); }},
        {"DrawEraserSquare", [](int i) { DrawEraserSquare(canvasWindow, appPalette, 200, 200, 190, 190, 20, i % 3); }},
        {"DrawStripedDab", [](int) { DrawStripedDab(canvasWindow, appPalette, 200, 200, 5, 1, 2, 3); }},
        {"DrawFuzzyStroke", [](int) { DrawFuzzyStroke(canvasWindow, appPalette, 200, 200, 210, 205, kColour); }},
        {"DrawRgbDab", [](int) { DrawRgbDab(canvasWindow, appPalette, 200, 200); }},
        {"DrawBlobTrail", [](int) { DrawBlobTrail(canvasWindow, appPalette, 200, 200, kColour); }},
        {"ScatterPixels", [](int) { ScatterPixels(canvasWindow, appPalette, 200, 200); }},
        {"SprayDots", [](int i) { SprayDots(canvasWindow, appPalette, 200, 200, 4, kColour, i % 2); }},
        {"DrawGrassTuft", [](int) { DrawGrassTuft(canvasWindow, appPalette, 200, 200, kColour); }},
        {"DrawBubbles", [](int) { DrawBubbles(canvasWindow, appPalette, 200, 200, 3, kColour); }},
        {"FillCanvasColour", [](int) { FillCanvasColour(canvasWindow, appPalette, 60, 40, kColour); }},
        {"DrawStarField", [](int) { DrawStarField(canvasWindow, appPalette, 60, 40, kColour, 0); }},
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
