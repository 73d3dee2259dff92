// The frame's painting: navy, the colour buttons, the shades of the family and the slider's knob; and the
// pens and brushes every drawing on the frame makes, all gone when it ends.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include "base/colours.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas_pixels.h"
#include "draw/frame_drawing.h"
#include "frame_helpers.h"
#include "options/choosers.h"
#include "options/pages.h"
#include "options/select.h"
#include "shell/frame.h"

using namespace dab_test;

namespace {

COLORREF Shade5(int family) { return paletteColours[10 * family + 5]; }

TEST(FramePaint, ColourButtonsShadesAndSlider) {
    RunDab({800, 600}, [] {
        for (int i = 0; i < 8; i++) {
            EXPECT_EQ(FramePixel(12, 13 * i + 6), Shade5(i)) << "family " << i;
            EXPECT_EQ(FramePixel(37, 13 * i + 6), Shade5(i + 8)) << "family " << i + 8;
        }
        for (int j = 0; j < 10; j++) EXPECT_EQ(FramePixel(35, 108 + 8 * j), paletteColours[j]) << "shade " << j;
        // Black edges between the buttons; the slider: a black track, the knob at shade 5 (y 148), navy round it.
        ExpectPixels(FramePixel, {{12, 13, kBlack}, {25, 6, kBlack}, {9, 120, kBlack}, {10, 120, kBlack},
                                  {11, 148, paletteColours[93]}, {2, 120, kNavy}, {300, 40, kNavy}});
    });
}

TEST(FramePaint, RepaintOfTheFrameSetsTheShadeBackToFiveAndShowsThePicture) {
    RunDab({640, 480}, [] {
        SelectShade(8);
        EXPECT_EQ(CurrentBrush().colourShade, 8);
        // Drawn on the canvas since the snapshot: a frame repaint puts the snapshot back too.
        HDC dc = GetDC(canvasWindow);
        PatBlt(dc, 10, 10, 50, 50, BLACKNESS);
        ReleaseDC(canvasWindow, dc);
        InvalidateRect(frameWindow, nullptr, TRUE);
        // Wakes the program, which then finds the frame to repaint.
        PostMessageA(frameWindow, WM_NULL, 0, 0);
        testing::WaitUntilIdle();
        EXPECT_EQ(CurrentBrush().colourShade, 5);
        EXPECT_EQ(CurrentBrush().currentColour, paletteColours[5]);
        EXPECT_EQ(CanvasPixel(30, 30), kWhite);
    });
}

TEST(FramePaint, WhatADrawingMakesLivesUntilItsEnd) {
    RunDab({640, 480}, [] {
        size_t before = testing::LiveGdiObjects();
        {
            Drawing d(Drawing::kFrame);
            // The frame's device context is an object of its own.
            size_t opened = testing::LiveGdiObjects();
            d.Use(d.MakePen(1, RGB(1, 2, 3)));
            d.Use(d.MakeSolidBrush(RGB(4, 5, 6)));
            d.MakeHatchBrush(HS_CROSS, RGB(7, 8, 9));
            EXPECT_EQ(testing::LiveGdiObjects(), opened + 3);
        }
        EXPECT_EQ(testing::LiveGdiObjects(), before);
    });
}

TEST(FramePaint, AHundredOfEachFrameDrawingLeakNothing) {
    RunDab({640, 480}, [] {
        const std::pair<const char*, std::function<void(int)>> drawings[] = {
            {"PaintFrame", [](int) { PaintFrame(); }},
            {"DrawColourPanel", [](int i) { DrawColourPanel(i % 16); }},
            {"SelectShade", [](int i) { SelectShade(i % 10); }},
            {"ClearOptionStrip", [](int) { ClearOptionStrip(); }},
            {"ClearChooserArea", [](int) { ClearChooserArea(); }},
            {"DrawWidthChooser", [](int i) {
                 ChoosePenWidth(i % 8 + 1);
                 DrawWidthChooser();
             }},
            {"DrawRainbowChooser", [](int i) {
                 ChooseRainbow(i % 2 != 0);
                 DrawRainbowChooser();
             }},
            {"DrawPatternChooser", [](int i) {
                 ChooseFillPattern(i % 8 + 1);
                 DrawPatternChooser();
             }},
            {"SelectOption", [](int i) { SelectOption(i % 12 + 1); }},
        };
        // Stock objects come into being on first use; count after one round.
        for (const auto& drawing : drawings) drawing.second(0);
        for (const auto& [name, draw] : drawings) {
            size_t before = testing::LiveGdiObjects();
            for (int i = 0; i < 100; i++) draw(i);
            EXPECT_EQ(testing::LiveGdiObjects(), before) << name;
        }
    });
}

}  // namespace
