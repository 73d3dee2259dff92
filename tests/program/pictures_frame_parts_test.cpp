// The frame and chooser bitmaps drawn as the frame and the choosers draw them, on a memory DC: the left
// column's borders on its dead rows, the pattern chooser's swatch taking exactly the fill, the rainbow
// chooser's halves and the room for its knob.
#include <gtest/gtest.h>

#include <set>

#include "base/colours.h"
#include "draw/fill_brush.h"
#include "pictures_tool.h"
#include "tests/platform/surfaces.h"

using namespace dab_test;

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 127);

TEST(PicturesFrameParts, LeftColumnBordersLieOnTheDeadRowsAndEachButtonHasAPicture) {
    Drawn column("A2.MUB", 50, 290);
    ASSERT_TRUE(column.Redraw());
    // Frame y 190, 232, ..., 442 answer no click: the picture's rows 0, 42, ..., 252.
    for (int border = 0; border <= 252; border += 42)
        for (int x = 0; x < 50; x++) ASSERT_EQ(column.at(x, border), kBlack) << "x " << x << " y " << border;
    for (int button = 0; button < 7; button++) {
        int top = 42 * button + 1, bottom = button < 6 ? top + 40 : 289;
        COLORREF face = column.at(3, top + 2);
        std::set<COLORREF> colours;
        int drawn = 0;
        for (int y = top + 2; y < bottom - 1; y++) {
            for (int x = 3; x < 47; x++) {
                COLORREF c = column.at(x, y);
                drawn += c != face;
                colours.insert(c);
            }
        }
        // A picture on its face: plenty drawn, in an outline and at least one colour of its own.
        EXPECT_GT(drawn, 150) << "button " << button + 1;
        EXPECT_GE(colours.size(), 3u) << "button " << button + 1;
        // The face runs from border to border: no row of the button is black across.
        for (int y = top; y <= bottom; y++) {
            int black = 0;
            for (int x = 0; x < 50; x++) black += column.at(x, y) == kBlack;
            EXPECT_LT(black, 50) << "row " << y;
        }
    }
}

TEST(PicturesFrameParts, PatternSwatchTakesExactlyTheFillOfEveryPattern) {
    Drawn chooser("A3.MUB", 30, 72);
    ASSERT_TRUE(chooser.Redraw());
    // The swatch: the white rectangle x 4..25, y 45..67 inside a black frame.
    auto inSwatch = [](int x, int y) { return x >= 4 && x <= 25 && y >= 45 && y <= 67; };
    for (int pattern = 2; pattern <= 8; pattern++) {
        SCOPED_TRACE("pattern " + std::to_string(pattern));
        ASSERT_TRUE(chooser.Redraw());
        std::vector<COLORREF> before = chooser.Pixels();
        COLORREF colour = paletteColours[95] | kPaletteRelative;
        HBRUSH brush = pattern == 2 ? CreateSolidBrush(colour) : CreateHatchBrush(FillPatternHatch(pattern), colour);
        HGDIOBJ kept = SelectObject(chooser.dc(), brush);
        ExtFloodFill(chooser.dc(), 12, 56, chooser.at(12, 56) | kPaletteRelative, FLOODFILLSURFACE);
        SelectObject(chooser.dc(), kept);
        DeleteObject(brush);
        std::vector<COLORREF> after = chooser.Pixels();
        int changed = 0, swatchRed = 0;
        for (int y = 0; y < 72; y++) {
            for (int x = 0; x < 30; x++) {
                size_t i = size_t(y * 30 + x);
                if (before[i] != after[i]) {
                    EXPECT_TRUE(inSwatch(x, y)) << "the fill reached " << x << ", " << y;
                    changed++;
                }
                if (inSwatch(x, y)) {
                    EXPECT_EQ(before[i], RGB(255, 255, 255)) << "the swatch is one colour: " << x << ", " << y;
                    swatchRed += after[i] == RGB(255, 0, 0);
                }
            }
        }
        // Solid paints all 22 × 23 pixels of the swatch; a hatch some of them.
        if (pattern == 2) {
            EXPECT_EQ(changed, 22 * 23);
        } else {
            EXPECT_GT(changed, 0);
        }
        EXPECT_EQ(swatchRed, changed);
    }
}

TEST(PicturesFrameParts, RainbowChooserShowsOneColourAboveManyBelowAndRoomForTheKnob) {
    Drawn chooser("A4.MUB", 30, 72);
    ASSERT_TRUE(chooser.Redraw());
    std::set<COLORREF> upper, lower;
    for (int y = 0; y < 72; y++) {
        for (int x = 0; x < 30; x++) {
            COLORREF c = chooser.at(x, y);
            bool knob = x >= 19 && x <= 27 && ((y >= 4 && y <= 12) || (y >= 39 && y <= 47));
            // Under the knob's two places only the strip and its slot, so the ball hides no choice.
            if (knob) {
                EXPECT_TRUE(c == kNavy || c == kBlack) << x << ", " << y;
            }
            if (c == kNavy || c == kBlack || y == 36) continue;
            (y < 36 ? upper : lower).insert(c);
        }
    }
    EXPECT_EQ(upper.size(), 1u) << "the single colour choice";
    EXPECT_GE(lower.size(), 4u) << "the rainbow choice";
    EXPECT_EQ(upper.count(RGB(255, 0, 0)), 1u);
}

}  // namespace
