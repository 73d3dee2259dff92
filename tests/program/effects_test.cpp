// The picture effects called directly on the canvas: the greys, the shrink's offsets, the random draws in
// their order, the snapshot each takes, undo after every one, scenes' bounds, rings and wipes.
#include <gtest/gtest.h>

#include <set>

#include "base/colours.h"
#include "base/random.h"
#include "base/tool_groups.h"
#include "canvas/brush_choice.h"
#include "canvas/canvas.h"
#include "effects/canvas_effects.h"
#include "effects/effects_pages.h"
#include "effects/page_actions.h"
#include "frame_helpers.h"
#include "options/option_strip.h"
#include "options/pages.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

TEST(Effects, GreyCanvasPaintsTheDarkestGreyBrighterThanEachColour) {
    struct Case {
        COLORREF colour, grey;
    };
    const Case cases[] = {
        {kBlack, kBlack},                         // black stays
        {kWhite, kWhite},                         // white stays
        {RGB(0, 0, 1), RGB(0x37, 0x37, 0x37)},    // near black: the darkest grey
        {RGB(1, 0, 0), RGB(0x37, 0x37, 0x37)},
        {RGB(55, 55, 55), RGB(0x50, 0x50, 0x50)},  // a grey's own average is not above itself
        {RGB(0, 0, 255), RGB(0x69, 0x69, 0x69)},   // pure blue averages 85
        {RGB(200, 210, 220), RGB(0xE6, 0xE6, 0xE6)},
        {RGB(230, 230, 230), RGB(0xE6, 0xE6, 0xE6)},  // 230: no grey above, the lightest
        {RGB(255, 255, 0), RGB(0xB4, 0xB4, 0xB4)},    // bright yellow averages 170, below B4B4B4's 180
        {RGB(250, 255, 255), RGB(0xE6, 0xE6, 0xE6)},
    };
    RunDab({640, 480}, [&] {
        const int n = int(std::size(cases));
        PaintCanvas([&](int x, int) { return cases[x * n / 588].colour; });
        GreyCanvas();
        for (int i = 0; i < n; i++) {
            int x = i * 588 / n + 5;
            EXPECT_EQ(CanvasPixel(x, 100), cases[i].grey) << "case " << i;
            EXPECT_EQ(CanvasPixel(x, 405), cases[i].grey) << "case " << i << ", bottom row";
        }
    });
}

TEST(Effects, ShrinkStepsMoveTheImageInByATwentieth) {
    // 590 × 408: the image moves 29 and 20 pixels in. One black pixel at (0, 0) on white falls on exactly
    // one pixel at each step, so ten steps leave a chain of eleven.
    RunDab({640, 480}, [] {
        ASSERT_EQ(canvasWidth, 590);
        ASSERT_EQ(canvasHeight, 408);
        // The black points left after the shrink, as (x, y) pairs.
        auto shrunk = [](void (*shrink)()) {
            PaintCanvas([](int x, int y) { return x == 0 && y == 0 ? kBlack : kWhite; });
            shrink();
            std::set<std::pair<int, int>> at;
            for (POINT p : Painted(ReadCanvas())) at.insert({p.x, p.y});
            return at;
        };
        EXPECT_EQ(shrunk([] { ShrinkCanvasStep(canvasWindow, appPalette, canvasWidth, canvasHeight); }),
                  (std::set<std::pair<int, int>>{{0, 0}, {29, 20}}));
        std::set<std::pair<int, int>> chain = shrunk(ShrinkCanvasTenTimes);
        EXPECT_EQ(chain.size(), 11u);
        EXPECT_TRUE(chain.count({0, 0}));
        EXPECT_TRUE(chain.count({29, 20}));
    });
}

// The inverted rectangles of a seed, replayed from the generator in the order x, y, a, b: every pixel
// inverted an odd number of times is black on a white page.
TEST(Effects, InvertRandomRectanglesFollowsTheDrawsInOrder) {
    RunDab({640, 480}, [] {
        const int cw = 588, ch = 406;
        for (uint32_t seed : {7u, 2026u}) {
            SeedRandom(seed);
            std::vector<int> parity(size_t(cw * ch), 0);
            int empty = 0;
            for (int i = 0; i < 300; i++) {
                int x = RandomNumber() % canvasWidth;
                int y = RandomNumber() % canvasHeight;
                int a = RandomNumber() % 100;
                int b = RandomNumber() % 100;
                empty += a == 0 || b == 0;
                for (int py = std::max(0, y - b); py < std::min(ch, y + b); py++)
                    for (int px = std::max(0, x - a); px < std::min(cw, x + a); px++) parity[size_t(py * cw + px)] ^= 1;
            }
            int after = RandomNumber();
            ClearCanvas();
            SeedRandom(seed);
            InvertRandomRectangles();
            EXPECT_EQ(RandomNumber(), after) << "1200 draws, no more";
            auto want = [&](int x, int y) { return parity[size_t(y * cw + x)] ? kBlack : kWhite; };
            EXPECT_EQ(WrongPixels(ReadCanvas(), want), 0) << "seed " << seed;
            EXPECT_GT(empty, 0) << "seed " << seed << " has rectangles without width or height";
        }
    });
}

TEST(Effects, SwapCanvasHalvesSwapsFromTheSnapshotItTakes) {
    RunDab({640, 480}, [] {
        PaintCanvas([](int x, int y) { return RGB(x % 256, y % 256, (x / 256) * 80); });
        CanvasImage before = ReadCanvas();
        SwapCanvasHalves();
        int w = canvasWidth, h = canvasHeight;
        auto want = [&](int x, int y) {
            if (y < h - 2 && x >= w / 2) return before.at(x - w / 2, y);
            return y < h - 2 && x < w / 2 ? before.at(x + (w - 4) / 2, y) : before.at(x, y);
        };
        EXPECT_EQ(WrongPixels(ReadCanvas(), want), 0);
        ClickUndoButton();
        EXPECT_EQ(ReadCanvas(), before) << "the snapshot holds the picture as the effect saw it";
    });
}

// The snapshot is the client area only: the columns and rows under the border stay white whatever the
// system shows there, and the quarters halve the picture the child sees, so a black one gives no seam.
TEST(Effects, QuartersOfABlackPictureLeaveNoSeam) {
    for (Screen screen : {Screen{640, 480}, Screen{800, 600}, Screen{1024, 768}}) {
        RunDab(screen, [&] {
            PaintCanvas([](int, int) { return kBlack; });
            TakeSnapshot();
            QuarterCanvas();
            CanvasImage image = ReadCanvas();
            EXPECT_EQ(WrongPixels(image, [](int, int) { return kBlack; }), 0) << screen.width << " x " << screen.height;
            EXPECT_EQ(GetPixel(pictureDC, canvasWidth - 1, canvasHeight - 1), kWhite)
                << screen.width << " x " << screen.height;
        });
    }
}

struct NamedEffect {
    const char* name;
    void (*run)();
};

const NamedEffect kOptionBarEffects[] = {
    {"invert", InvertCanvas},
    {"zoom", ZoomCanvasCentre},
    {"shrink step", [] { ShrinkCanvasStep(canvasWindow, appPalette, canvasWidth, canvasHeight); }},
    {"grey", GreyCanvas},
    {"shrink ten times", ShrinkCanvasTenTimes},
    {"stripe rows", [] { StripeCanvas(kHorizontalStripes); }},
    {"stripe columns", [] { StripeCanvas(kVerticalStripes); }},
    {"jumble", JumbleCanvas},
    {"swap halves", SwapCanvasHalves},
    {"crack", CrackCanvas},
    {"flip patches", FlipRandomPatches},
    {"invert rectangles", InvertRandomRectangles},
    {"quarter", QuarterCanvas},
    {"viewfinder", DrawViewfinder},
};

TEST(Effects, UndoAfterEveryOptionBarEffectBringsBackThePicture) {
    RunDab({800, 600}, [] {
        for (const NamedEffect& effect : kOptionBarEffects) {
            PaintCanvas(Checks);
            CanvasImage before = ReadCanvas();
            // As the frame does before every option click.
            TakeSnapshot();
            effect.run();
            EXPECT_NE(ReadCanvas(), before) << effect.name << " changed the picture";
            ClickUndoButton();
            EXPECT_EQ(ReadCanvas(), before) << effect.name;
        }
    });
}

TEST(Effects, EveryEffectsPageActionEndsOnBrushPageOneAndUndoesToThePicture) {
    RunDab({800, 600}, [] {
        for (ToolGroup group : {kFirstEffectsGroup, kSecondEffectsGroup}) {
            for (int n = 0; n <= 13; n++) {
                ShowEffectsPage(group == kFirstEffectsGroup ? 1 : 2);
                UseColouringMode(true);
                PaintCanvas(Checks);
                CanvasImage before = ReadCanvas();
                RunEffectsAction(group, n);
                EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup) << group << " " << n;
                EXPECT_EQ(CurrentStrip().selectedOption, 1) << group << " " << n;
                EXPECT_EQ(CurrentBrush().colouringMode, 0) << group << " " << n;
                bool action = n >= 1 && n <= 12;
                EXPECT_EQ(ReadCanvas() != before, action) << group << " " << n;
                ClickUndoButton();
                EXPECT_EQ(ReadCanvas(), before) << group << " " << n;
            }
        }
    });
}

// The buildings and the barn, replayed from the generator, as rectangles and positions on a 640 × 480
// screen: the city's left edges lie between 50 and 589 and a barn's left edge between 0 and 339.
TEST(Effects, CityAndBarnLieWhereTheirDrawsPutThem) {
    RunDab({640, 480}, [] {
        const int cw = 588, ch = 406, h = canvasHeight;
        const COLORREF sky = paletteColours[22] & 0xFFFFFF;
        for (uint32_t seed : {1u, 99u, 4242u}) {
            SeedRandom(seed);
            std::vector<COLORREF> expected(size_t(cw * ch));
            for (int y = 0; y < ch; y++)
                for (int x = 0; x < cw; x++) expected[size_t(y * cw + x)] = y < h / 2 ? sky : RGB(0, 255, 0);
            for (int i = 0; i < 18; i++) {
                int top = RandomNumber() % 200 + 10;
                int left = RandomNumber() % (640 - 100) + 50;
                int width = RandomNumber() % 100 + 50;
                EXPECT_GE(left, 50);
                EXPECT_LE(left, 589);
                COLORREF colour = i < 10 ? RGB(128, 128, 128) : RGB(192, 192, 192);
                for (int y = top; y < h / 2 + 20; y++)
                    for (int x = left; x < std::min(cw, left + width); x++) expected[size_t(y * cw + x)] = colour;
            }
            SeedRandom(seed);
            DrawScene(1);
            CanvasImage image = ReadCanvas();
            EXPECT_EQ(WrongPixels(image, [&](int x, int y) { return expected[size_t(y * cw + x)]; }), 0)
                << "city of seed " << seed;

            SeedRandom(seed);
            int b = RandomNumber() % (640 - 300);
            SeedRandom(seed);
            DrawScene(2);
            image = ReadCanvas();
            int leftmost = cw, topRow = ch;
            for (int y = 0; y < ch; y++)
                for (int x = 0; x < cw; x++)
                    if (image.at(x, y) == RGB(255, 0, 0)) leftmost = std::min(leftmost, x), topRow = std::min(topRow, y);
            EXPECT_EQ(leftmost, b) << "barn of seed " << seed;
            EXPECT_LE(b, 339);
            EXPECT_EQ(topRow, 0) << "the roof's peak at -46 is cut off by the top edge";
            // The beam under the roof: white from b + 2 along h/2 - 150.
            ExpectPixels(CanvasPixel, {{b + 150, h / 2 - 150, kWhite}, {b + 150, h / 2 + 30, kGreen}});
        }
    });
}

TEST(Effects, RingBurstDrawsOneHundredAndThirtyThreeRingsAndEndsWhite) {
    RunDab({640, 480}, [] {
        PaintCanvas(Checks);
        SeedRandom(5);
        for (int i = 0; i < 133; i++) RandomNumber();
        int after = RandomNumber();
        SeedRandom(5);
        RingBurst();
        EXPECT_EQ(RandomNumber(), after) << "one colour a ring";
        EXPECT_TRUE(Painted(ReadCanvas()).empty());
    });
}

TEST(Effects, WipesReachBothEdgesAndEndAsTheirModeSays) {
    struct Case {
        int mode, width;
        COLORREF end;
    };
    const Case cases[] = {
        {0, 301, kWhite}, {0, 300, kWhite}, {1, 301, kBlack}, {1, 300, kBlack}, {2, 301, kWhite},
        {3, 301, kWhite}, {5, 301, kWhite}, {6, 301, kWhite}, {7, 301, kWhite},
    };
    RunDab({640, 480}, [&] {
        for (const Case& c : cases) {
            PaintCanvas(Checks);
            ClearCanvasWithTransition(canvasWindow, appPalette, c.width, canvasHeight, c.mode);
            int wrong = 0, untouched = 0;
            for (int y = 0; y < 406; y++) {
                for (int x = 0; x < c.width; x++) wrong += CanvasPixel(x, y) != c.end;
                for (int x = c.width + 2; x < 588; x++) untouched += CanvasPixel(x, y) == Checks(x, y);
            }
            EXPECT_EQ(wrong, 0) << "mode " << c.mode << ", width " << c.width;
            // Beyond the width only the wide streaks and the whole-page fills reach.
            if (c.mode == 0 || c.mode == 6) {
                EXPECT_EQ(untouched, (588 - c.width - 2) * 406) << "mode " << c.mode;
            }
        }
        // Graph paper: white squares with black edges at every tenth row and column.
        ClearCanvasWithTransition(canvasWindow, appPalette, canvasWidth, canvasHeight, kGraphPaperColumns);
        ExpectPixels(CanvasPixel, {{20, 35, kBlack}, {35, 20, kBlack}, {35, 35, kWhite},
                                   {39, 35, kBlack, "the next square's left edge"}});
    });
}

TEST(Effects, BackgroundsAndHalves) {
    RunDab({640, 480}, [] {
        const int w = canvasWidth, h = canvasHeight;
        struct Half {
            int side;
            RECT white;
        };
        const Half halves[] = {{0, {0, 0, w / 2, h}}, {1, {w / 2, 0, w, h}}, {2, {0, 0, w, h / 2}}, {3, {0, h / 2, w, h}}, {4, {0, 0, 0, 0}}};
        for (const Half& half : halves) {
            PaintCanvas(Checks);
            WhiteHalf(canvasWindow, appPalette, w, h, half.side);
            auto want = [&](int x, int y) {
                const RECT& r = half.white;
                return x >= r.left && x < r.right && y >= r.top && y < r.bottom ? kWhite : Checks(x, y);
            };
            EXPECT_EQ(WrongPixels(ReadCanvas(), want), 0) << "side " << half.side;
        }

        DrawRadarScreen(canvasWindow, appPalette, w, h);
        ExpectPixels(CanvasPixel, {{5, 5, RGB(192, 192, 192)}, {w / 2, 5, kGreen, "the vertical hair"},
                                   {w / 2 + 20, h / 2, kGreen, "the horizontal hair"},
                                   {w / 2 + 20, h / 2 + 20, kBlack}});

        PaintCanvas(Checks);
        DrawWoodenFrame();
        ExpectPixels(CanvasPixel, {{0, 200, paletteColours[43] & 0xFFFFFF}, {25, 200, paletteColours[44] & 0xFFFFFF},
                                   {200, 45, paletteColours[45] & 0xFFFFFF}, {60, 200, kWhite}});

        for (int direction : {1, 2}) {
            RainbowStripes(direction);
            // Every line is one family colour from edge to edge.
            for (int i = 0; i < 300; i += 37) {
                COLORREF first = direction == 1 ? CanvasPixel(i, 0) : CanvasPixel(0, i);
                EXPECT_TRUE(IsFamilyColour(first));
                for (int j = 0; j < 400; j += 50)
                    EXPECT_EQ(direction == 1 ? CanvasPixel(i, j) : CanvasPixel(j, i), first);
            }
        }

        ColourNoise();
        std::set<COLORREF> colours;
        for (COLORREF c : ReadCanvas().pixels) {
            ASSERT_TRUE(IsFamilyColour(c));
            colours.insert(c);
        }
        EXPECT_GT(colours.size(), 150u);
    });
}

TEST(Effects, SlideOutMovesTheSnapshotDownAndEndsWhite) {
    RunDab({640, 480}, [] {
        PaintCanvas(Checks);
        TakeSnapshot();
        SlideOut(canvasWindow, appPalette, canvasWidth, canvasHeight, pictureDC);
        EXPECT_TRUE(Painted(ReadCanvas()).empty());
        ClickUndoButton();
        EXPECT_EQ(CanvasPixel(100, 100), Checks(100, 100));
    });
}

}  // namespace
