// The frame's painting: navy, the colour buttons, the shades of the family and the slider's knob.
#include <gtest/gtest.h>

#include "base/colours.h"
#include "canvas_pixels.h"
#include "frame_helpers.h"
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
        // Black edges between the buttons.
        EXPECT_EQ(FramePixel(12, 13), RGB(0, 0, 0));
        EXPECT_EQ(FramePixel(25, 6), RGB(0, 0, 0));
        for (int j = 0; j < 10; j++) EXPECT_EQ(FramePixel(35, 108 + 8 * j), paletteColours[j]) << "shade " << j;
        // The slider: a black track, the knob at shade 5 (y 148), navy round it.
        EXPECT_EQ(FramePixel(9, 120), RGB(0, 0, 0));
        EXPECT_EQ(FramePixel(10, 120), RGB(0, 0, 0));
        EXPECT_EQ(FramePixel(11, 148), paletteColours[93]);
        EXPECT_EQ(FramePixel(2, 120), RGB(0, 0, 127));
        EXPECT_EQ(FramePixel(300, 40), RGB(0, 0, 127));
    });
}

TEST(FramePaint, RepaintOfTheFrameSetsTheShadeBackToFiveAndShowsThePicture) {
    RunDab({640, 480}, [] {
        SelectShade(8);
        EXPECT_EQ(colourShade, 8);
        // Drawn on the canvas since the snapshot: a frame repaint puts the snapshot back too.
        HDC dc = GetDC(canvasWindow);
        PatBlt(dc, 10, 10, 50, 50, BLACKNESS);
        ReleaseDC(canvasWindow, dc);
        InvalidateRect(frameWindow, nullptr, TRUE);
        // Wakes the program, which then finds the frame to repaint.
        PostMessageA(frameWindow, WM_NULL, 0, 0);
        testing::WaitUntilIdle();
        EXPECT_EQ(colourShade, 5);
        EXPECT_EQ(currentColour, paletteColours[5]);
        EXPECT_EQ(CanvasPixel(30, 30), RGB(255, 255, 255));
    });
}

}  // namespace
