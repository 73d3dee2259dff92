// The frame and chooser bitmaps on the running program's frame: the quit picture at the top right and the
// left column below the colour buttons where the frame paints them, and the choosers drawn over their
// pictures with the swatch taking the fill and the knob in the room left for it.
#include <gtest/gtest.h>

#include <functional>

#include "base/state.h"
#include "canvas/brush_choice.h"
#include "frame_helpers.h"
#include "options/choosers.h"
#include "pictures_tool.h"

using namespace dab_test;

namespace {

// Frame pixels that differ from the picture drawn at (left, top), counted, with the first one named. The
// frame's client, one pixel inside the screen's edge, clips the picture's last column and row.
int Differences(const Drawn& picture, int left, int top, int width, int height, std::string& first,
                const std::function<bool(int, int)>& skip = {}) {
    RECT client;
    GetClientRect(frameWindow, &client);
    int count = 0;
    for (int y = 0; y < height && top + y < client.bottom; y++) {
        for (int x = 0; x < width && left + x < client.right; x++) {
            if (skip && skip(x, y)) continue;
            if (FramePixel(left + x, top + y) == picture.at(x, y)) continue;
            if (count++ == 0) first = std::to_string(left + x) + ", " + std::to_string(top + y);
        }
    }
    return count;
}

TEST(PicturesFrame, QuitPictureAndLeftColumnShowWhereTheFramePutsThem) {
    for (Screen screen : {Screen{640, 480}, Screen{800, 600}}) {
        SCOPED_TRACE(screen.width);
        RunDab(screen, [screen] {
            std::string first;
            // 118 × 70 stretched to 120 × 71 at the top right, one row down.
            Drawn quit("A1.MUB", 120, 71, 118, 70);
            EXPECT_EQ(Differences(quit, screen.width - 120, 1, 120, 71, first), 0) << "first at " << first;
            Drawn column("A2.MUB", 50, 290);
            EXPECT_EQ(Differences(column, 0, 190, 50, 290, first), 0) << "first at " << first;
            // The quit click answers on the door and the arrow: they lie in the rightmost 100 pixels.
            EXPECT_NE(FramePixel(screen.width - 60, 35), RGB(0, 0, 127));
        });
    }
}

TEST(PicturesFrame, PatternChooserFillsOnlyItsSwatch) {
    RunDab({800, 600}, [] {
        Drawn chooser("A3.MUB", 30, 72);
        for (int pattern : {2, 1}) {
            ChooseFillPattern(pattern);
            ChooseColourFamily(11);
            ChooseShade(3);
            DrawPatternChooser();
            std::string first;
            auto inSwatch = [](int x, int y) { return x >= 4 && x <= 25 && y >= 45 && y <= 67; };
            EXPECT_EQ(Differences(chooser, 360, 0, 30, 72, first, inSwatch), 0) << "first at " << first;
            COLORREF swatch = pattern == 2 ? paletteColours[113] : RGB(255, 255, 255);
            int painted = 0;
            for (int y = 45; y <= 67; y++)
                for (int x = 4; x <= 25; x++) painted += FramePixel(360 + x, y) == swatch;
            EXPECT_EQ(painted, 22 * 23) << "pattern " << pattern;
        }
    });
}

TEST(PicturesFrame, RainbowKnobCoversOnlyItsRoom) {
    RunDab({800, 600}, [] {
        Drawn chooser("A4.MUB", 30, 72);
        for (int mode : {0, 1}) {
            ChooseRainbow(mode != 0);
            DrawRainbowChooser();
            int a = mode == 1 ? 43 : 8;
            std::string first;
            auto inKnob = [a](int x, int y) { return x >= 19 && x <= 27 && y >= a - 4 && y <= a + 4; };
            EXPECT_EQ(Differences(chooser, 360, 0, 30, 72, first, inKnob), 0)
                << "mode " << mode << ", first at " << first;
            EXPECT_EQ(FramePixel(383, a), paletteColours[93]) << "the ball at y " << a;
        }
    });
}

}  // namespace
