// Whole-canvas fills: one colour, and the night sky; and the brush of each fill pattern.
#include <gtest/gtest.h>

#include "base/random.h"
#include "canvas_pixels.h"
#include "draw/draw.h"
#include "draw/fill_brush.h"
#include "draw/star_field.h"

using namespace dab_test;

namespace {

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kNight = RGB(0, 0, 40);

TEST(Fills, FillCanvasColourCoversThePicture) {
    RunDab({640, 480}, [] {
        PaintCanvas(Checks);
        FillCanvasColour(canvasWindow, appPalette, canvasWidth, canvasHeight, RGB(0, 0x9C, 0xFC));
        CanvasImage after = ReadCanvas();
        for (COLORREF c : after.pixels) ASSERT_EQ(c, RGB(0, 0x9C, 0xFC));
    });
}

TEST(Fills, StarFieldIsStarsOnTheBackground) {
    RunDab({640, 480}, [] {
        for (uint32_t seed = 1; seed <= 10; seed++) {
            SeedRandom(seed);
            DrawStarField(canvasWindow, appPalette, canvasWidth, canvasHeight, kYellow, kNight);
            int stars = 0;
            for (COLORREF c : ReadCanvas().pixels) {
                ASSERT_TRUE(c == kYellow || c == kNight);
                stars += c == kYellow;
            }
            // At least the single stars, give or take a few that fall on each other.
            EXPECT_GT(stars, 400);
        }
    });
}

TEST(Fills, StarFieldWithoutWidthOrHeightRunsToItsEnd) {
    RunDab({640, 480}, [] {
        ClearCanvas();
        DrawStarField(canvasWindow, appPalette, 0, canvasHeight, kYellow, kNight);
        // No background to fill; single and big stars all on columns 0 and 1, streaks from the left edge.
        int white = 0;
        for (COLORREF c : ReadCanvas().pixels) white += c == RGB(255, 255, 255);
        EXPECT_GT(white, canvasWidth * canvasHeight * 9 / 10);
        int onFirstColumns = 0;
        for (int y = 0; y < 400; y++) onFirstColumns += CanvasPixel(0, y) == kYellow;
        EXPECT_GT(onFirstColumns, 0);
        DrawStarField(canvasWindow, appPalette, canvasWidth, 0, kYellow, kNight);
    });
}

TEST(Fills, FallingStreakFlattensAndRisingStreakKeepsItsSlope) {
    std::vector<POINT> falling = StarStreakPath(40, 6, 3, 100);
    const int fallingRows[] = {100, 103, 105, 107, 109, 111};
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(falling[i].x, 40 * i);
        EXPECT_EQ(falling[i].y, fallingRows[i]) << "cluster " << i;
    }
    std::vector<POINT> steep = StarStreakPath(30, 4, 61, 0);
    EXPECT_EQ(steep[1].y, 61);
    EXPECT_EQ(steep[2].y, 61 + 41);
    EXPECT_EQ(steep[3].y, 61 + 41 + 28);
    std::vector<POINT> rising = StarStreakPath(50, 10, -4, 300);
    ASSERT_EQ(rising.size(), 10u);
    for (int i = 0; i < 10; i++) EXPECT_EQ(rising[i].y, 300 - 4 * i);
}

enum class Inside { kUntouched, kFilled, kStriped };

// The inside of a rectangle drawn on white with the pattern's brush, well in from its outline, by its blue
// pixels.
Inside FillOf(int pattern, HollowPatterns hollow) {
    ClearCanvas();
    {
        Drawing d(canvasWindow, appPalette);
        SetBkMode(d.dc(), TRANSPARENT);
        d.UseBrush(MakeFillBrush(d, pattern, kBlue, hollow));
        Rectangle(d.dc(), 10, 10, 60, 60);
    }
    int blue = 0;
    for (int y = 20; y < 50; y++)
        for (int x = 20; x < 50; x++) blue += CanvasPixel(x, y) == kBlue;
    return blue == 0 ? Inside::kUntouched : blue == 30 * 30 ? Inside::kFilled : Inside::kStriped;
}

// Patterns 3 to 8 hatch whatever is filled; pattern 1, and a pattern out of range, depend on the filling.
TEST(Fills, EachPatternsBrushForEachKindOfFilling) {
    RunDab({640, 480}, [] {
        struct {
            int pattern;
            HollowPatterns hollow;
            Inside inside;
        } const cases[] = {
            {1, kNeverHollow, Inside::kFilled},         {1, kPatternOneHollow, Inside::kUntouched},
            {1, kAllButSolidHollow, Inside::kUntouched}, {2, kNeverHollow, Inside::kFilled},
            {2, kPatternOneHollow, Inside::kFilled},    {2, kAllButSolidHollow, Inside::kFilled},
            {3, kNeverHollow, Inside::kStriped},        {5, kPatternOneHollow, Inside::kStriped},
            {8, kAllButSolidHollow, Inside::kStriped},  {0, kPatternOneHollow, Inside::kFilled},
            {0, kAllButSolidHollow, Inside::kUntouched}, {9, kNeverHollow, Inside::kFilled},
        };
        for (const auto& c : cases)
            EXPECT_EQ(FillOf(c.pattern, c.hollow), c.inside) << "pattern " << c.pattern << ", kind " << c.hollow;
    });
}

}  // namespace
