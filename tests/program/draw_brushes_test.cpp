// The brushes and sprays: their fixed marks, and the ranges of their random ones over many seeds.
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/random.h"
#include "canvas_pixels.h"
#include "draw/draw.h"

using namespace dab_test;

namespace {

// The smallest box holding every pixel changed since before, edges included; left beyond right when none is.
RECT ChangedBox(const CanvasImage& before) {
    RECT box{1 << 30, 1 << 30, -(1 << 30), -(1 << 30)};
    for (POINT p : Differences(before, ReadCanvas()))
        box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x), std::max(box.bottom, p.y)};
    return box;
}

TEST(Brushes, EraserSquareAndItsFrame) {
    RunDab({640, 480}, [] {
        PaintCanvas(Checks);
        DrawEraserSquare(canvasWindow, appPalette, 100, 100, 0, 0, 20, 0);
        for (int y = 89; y <= 111; y++)
            for (int x = 89; x <= 111; x++) {
                bool inside = x >= 90 && x <= 110 && y >= 90 && y <= 110;
                bool frame = inside && x < 110 && y < 110 && (x == 90 || y == 90);
                frame = frame || (inside && ((x == 110 && y < 110) || (y == 110 && x < 110)));
                COLORREF expected = !inside ? Checks(x, y) : frame ? kBlack : kWhite;
                ASSERT_EQ(CanvasPixel(x, y), expected) << "at " << x << ", " << y;
            }
        EXPECT_EQ(CanvasPixel(110, 110), kWhite) << "the frame's bottom-right corner stays white";

        // Moving on paints over the old frame; the release leaves no frame at all.
        DrawEraserSquare(canvasWindow, appPalette, 130, 100, 100, 100, 20, 1);
        ExpectPixels(CanvasPixel, {{90, 100, kWhite}, {120, 100, kBlack}});
        DrawEraserSquare(canvasWindow, appPalette, 130, 100, 130, 100, 40, 2);
        for (int y = 60; y <= 140; y++)
            for (int x = 60; x <= 170; x++) ASSERT_NE(CanvasPixel(x, y), kBlack) << "at " << x << ", " << y;
    });
}

TEST(Brushes, StripedDabBandsAndExtent) {
    RunDab({640, 480}, [] {
        EXPECT_EQ(StripedDabStart(1), -2);
        EXPECT_EQ(StripedDabStart(0), -2);
        EXPECT_EQ(StripedDabStart(5), -12);
        EXPECT_EQ(StripedDabStart(8), -20);

        CanvasImage before = ReadCanvas();
        DrawStripedDab(canvasWindow, appPalette, 100, 100, 1, kRed, kGreen, kBlue);
        const COLORREF narrow[5] = {kRed, kGreen, kBlue, kGreen, kRed};
        for (int i = 0; i < 5; i++) EXPECT_EQ(CanvasPixel(98 + i, 98 + i), narrow[i]);
        EXPECT_EQ(Differences(before, ReadCanvas()).size(), 5u);

        ClearCanvas();
        DrawStripedDab(canvasWindow, appPalette, 200, 200, 8, kRed, kGreen, kBlue);
        std::vector<POINT> changed = Differences(before, ReadCanvas());
        EXPECT_EQ(changed.size(), 40u);
        const COLORREF wide[5] = {kRed, kGreen, kBlue, kGreen, kRed};
        for (int i = 0; i < 40; i++) EXPECT_EQ(CanvasPixel(180 + i, 180 + i), wide[i / 8]) << "pixel " << i;
    });
}

TEST(Brushes, RgbDabAndFuzzyDot) {
    RunDab({640, 480}, [] {
        DrawRgbDab(canvasWindow, appPalette, 50, 60);
        const COLORREF colours[6] = {kRed, kRed, kGreen, kGreen, kBlue, kBlue};
        for (int i = 0; i < 6; i++) EXPECT_EQ(CanvasPixel(47 + i, 57 + i), colours[i]);
        EXPECT_EQ(CanvasPixel(53, 63), kWhite);

        for (uint32_t seed = 1; seed <= 30; seed++) {
            ClearCanvas();
            SeedRandom(seed);
            CanvasImage before = ReadCanvas();
            DrawFuzzyStroke(canvasWindow, appPalette, 200, 200, 200, 200, kBlue);
            EXPECT_EQ(CanvasPixel(200, 200), kBlue) << "a dot where the stroke starts and ends";
            ExpectInside(ChangedBox(before), {190, 190, 209, 209});
        }
    });
}

TEST(Brushes, LineBurstAndSparklesStayInTheirSquares) {
    RunDab({640, 480}, [] {
        for (uint32_t seed = 1; seed <= 40; seed++) {
            int width = int(seed % 8) + 1;
            ClearCanvas();
            SeedRandom(seed);
            CanvasImage before = ReadCanvas();
            DrawLineBurst(canvasWindow, appPalette, 280, 200, width, kRed);
            // Line ends within 12 × width, plus half the pen round them.
            int reach = 12 * width + width / 2 + 1;
            ExpectInside(ChangedBox(before), {280 - reach, 200 - reach, 280 + reach, 200 + reach});

            ClearCanvas();
            DrawSparkleStroke(canvasWindow, appPalette, 280, 200, 280, 200, kRed, kGreen, kBlue, kBlack);
            for (POINT p : Differences(before, ReadCanvas())) {
                COLORREF c = CanvasPixel(p.x, p.y);
                if (c == kRed) continue;
                EXPECT_TRUE(p.x >= 272 && p.x <= 287 && p.y >= 192 && p.y <= 207) << "spark at " << p.x << ", " << p.y;
            }
        }
    });
}

TEST(Sprays, SprayStaysInsideItsCircleAndSparesBlackInColouringMode) {
    RunDab({640, 480}, [] {
        for (uint32_t seed = 1; seed <= 60; seed++) {
            int size = int(seed % 8) + 1;
            ClearCanvas();
            SeedRandom(seed);
            CanvasImage before = ReadCanvas();
            SprayDots(canvasWindow, appPalette, 250, 200, size, kRed, 0);
            std::vector<POINT> dots = Differences(before, ReadCanvas());
            EXPECT_LE(dots.size(), size_t(8 * size));
            for (POINT p : dots) ASSERT_LT(PointDistance(250, 200, p.x, p.y), 8 * size) << "seed " << seed;
        }
        // Mode 1: black outlines stay black, and everything else can be sprayed.
        PaintCanvas([](int x, int y) { return (x + y) % 2 ? kBlack : kWhite; });
        CanvasImage before = ReadCanvas();
        int sprayed = 0;
        for (uint32_t seed = 1; seed <= 60; seed++) {
            SeedRandom(seed);
            SprayDots(canvasWindow, appPalette, 250, 200, 8, kRed, 1);
        }
        for (POINT p : Differences(before, ReadCanvas())) {
            ASSERT_NE(before.at(p.x, p.y), kBlack) << "a black pixel sprayed at " << p.x << ", " << p.y;
            sprayed++;
        }
        EXPECT_GT(sprayed, 100);
    });
}

TEST(Sprays, BlobsGrassAndBubblesKeepTheirRanges) {
    RunDab({1024, 768}, [] {
        for (uint32_t seed = 1; seed <= 40; seed++) {
            ClearCanvas();
            SeedRandom(seed);
            CanvasImage before = ReadCanvas();
            DrawBlobTrail(canvasWindow, appPalette, 480, 340, kBlue);
            RECT blobs = ChangedBox(before);
            // At most 15 moves of -77 .. 82, then a blob of at most 52 round its centre.
            EXPECT_GE(blobs.left, 480 - 15 * 77 - 52);
            EXPECT_LE(blobs.right, 480 + 15 * 82 + 52);
            EXPECT_LE(blobs.left, blobs.right) << "at least one blob is drawn";

            ClearCanvas();
            DrawGrassTuft(canvasWindow, appPalette, 300, 300, kGreen);
            RECT grass = ChangedBox(before);
            ExpectInside(grass, {290, 279, 309, 300});
            EXPECT_EQ(grass.bottom, 300) << "every blade grows from the root";

            int size = int(seed % 8) + 1;
            ClearCanvas();
            DrawBubbles(canvasWindow, appPalette, 300, 300, size, kBlue);
            RECT bubbles = ChangedBox(before);
            int reach = 3 * 10 + 7 * size, low = 300 - reach, high = 300 + reach;
            if (bubbles.left <= bubbles.right) ExpectInside(bubbles, {low, low, high, high});
        }
    });
}

TEST(Sprays, ScatterOnlyMovesPixelsInsideItsSquare) {
    RunDab({640, 480}, [] {
        for (uint32_t seed = 1; seed <= 20; seed++) {
            PaintCanvas([](int x, int y) { return RGB(x * 7 % 256, y * 13 % 256, (x * y) % 256); });
            SeedRandom(seed);
            CanvasImage before = ReadCanvas();
            ScatterPixels(canvasWindow, appPalette, 200, 150);
            std::vector<POINT> moved = Differences(before, ReadCanvas());
            EXPECT_FALSE(moved.empty());
            for (POINT p : moved) {
                ASSERT_TRUE(p.x >= 184 && p.x <= 215 && p.y >= 134 && p.y <= 165) << p.x << ", " << p.y;
                // Every new colour came from the square.
                bool found = false;
                for (int y = 134; y <= 165 && !found; y++)
                    for (int x = 184; x <= 215 && !found; x++) found = before.at(x, y) == CanvasPixel(p.x, p.y);
                ASSERT_TRUE(found);
            }
        }
    });
}

}  // namespace
