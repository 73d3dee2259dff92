// Window-style DCs on the screen: an origin and a clip of several boxes. Drawing lands only inside the
// clip, in logical coordinates moved by the origin, and coordinates anywhere in 32 bits are safe.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/win32.h"
#include "surfaces.h"

namespace {

// A 40 × 30 white screen and a DC whose logical (0, 0) is screen (10, 5), clipped to an L of two boxes:
// screen x 10..30 on rows 5..15, and x 10..20 on rows 15..25.
class ClippedScreen : public ::testing::Test {
protected:
    void SetUp() override {
        gdi::ResizeScreen(40, 30);
        whole = GetDC(nullptr);
        PatBlt(whole, 0, 0, 40, 30, WHITENESS);
        dc = gdi::CreateScreenDc({10, 5}, {gdi::Box{10, 5, 30, 15}, gdi::Box{10, 15, 20, 25}});
    }
    void TearDown() override {
        ReleaseDC(nullptr, dc);
        ReleaseDC(nullptr, whole);
    }
    bool InsideL(int x, int y) const {
        return (x >= 10 && x < 30 && y >= 5 && y < 15) || (x >= 10 && x < 20 && y >= 15 && y < 25);
    }
    // Screen pixels of the colour, and whether all of them lie inside the L.
    int Count(COLORREF colour, bool* allInside) const {
        int n = 0;
        *allInside = true;
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < 40; x++)
                if (GetPixel(whole, x, y) == colour) {
                    n++;
                    if (!InsideL(x, y)) *allInside = false;
                }
        return n;
    }
    HDC whole = nullptr;
    HDC dc = nullptr;
};

TEST_F(ClippedScreen, PixelsUseTheOriginAndStayInTheClip) {
    EXPECT_EQ(SetPixel(dc, 0, 0, kBlue), kBlue);
    EXPECT_EQ(GetPixel(whole, 10, 5), kBlue);
    EXPECT_EQ(GetPixel(dc, 0, 0), kBlue);
    EXPECT_EQ(SetPixel(dc, 15, 15, kBlue), CLR_INVALID);  // screen (25, 20): the L's notch
    EXPECT_EQ(GetPixel(dc, 15, 15), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, -1, 0, kBlue), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, INT_MAX, INT_MAX, kBlue), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, INT_MIN, INT_MIN, kBlue), CLR_INVALID);
    bool inside = false;
    EXPECT_EQ(Count(kBlue, &inside), 1);
}

TEST_F(ClippedScreen, AFloodFillCoversTheClipAndNothingElse) {
    HBRUSH blue = CreateSolidBrush(kBlue);
    HGDIOBJ old = SelectObject(dc, blue);
    EXPECT_TRUE(ExtFloodFill(dc, 2, 2, kWhite, FLOODFILLSURFACE));
    bool inside = false;
    EXPECT_EQ(Count(kBlue, &inside), 20 * 10 + 10 * 10);
    EXPECT_TRUE(inside);
    // Seeds outside the clip, or anywhere far away, fail and paint nothing.
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    EXPECT_FALSE(ExtFloodFill(dc, 15, 15, kWhite, FLOODFILLSURFACE));
    EXPECT_FALSE(ExtFloodFill(dc, INT_MIN, INT_MAX, kWhite, FLOODFILLSURFACE));
    EXPECT_FALSE(ExtFloodFill(dc, INT_MAX, 0, kBlue, FLOODFILLBORDER));
    EXPECT_EQ(Count(kBlack, &inside), 0);
    SelectObject(dc, old);
    DeleteObject(blue);
}

TEST_F(ClippedScreen, ABorderFillStopsAtTheBorderColourInsideTheClip) {
    // A blue column at logical x 5 splits the L from top to bottom.
    for (int y = 0; y < 20; y++) SetPixel(dc, 5, y, kBlue);
    HBRUSH red = CreateSolidBrush(kRed);
    HGDIOBJ old = SelectObject(dc, red);
    EXPECT_TRUE(ExtFloodFill(dc, 12, 3, kBlue, FLOODFILLBORDER));
    bool inside = false;
    EXPECT_EQ(Count(kRed, &inside), 14 * 10 + 4 * 10);  // right of the column in both arms
    EXPECT_TRUE(inside);
    EXPECT_EQ(GetPixel(dc, 4, 3), kWhite);
    SelectObject(dc, old);
    DeleteObject(red);
}

TEST_F(ClippedScreen, ShapesAndBlitsStayInTheClipWhateverTheirCoordinates) {
    HBRUSH blue = CreateSolidBrush(kBlue);
    HPEN bluePen = CreatePen(PS_SOLID, 7, kBlue);
    HGDIOBJ oldBrush = SelectObject(dc, blue);
    HGDIOBJ oldPen = SelectObject(dc, bluePen);
    Rectangle(dc, -1000, -1000, 1000, 1000);
    Ellipse(dc, INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2);
    MoveToEx(dc, INT_MIN, 3, nullptr);
    LineTo(dc, INT_MAX, 4);
    PatBlt(dc, INT_MIN, INT_MIN, INT_MAX, INT_MAX, PATCOPY);
    BitBlt(dc, -5, -5, 100, 100, whole, INT_MIN, 0, SRCCOPY);
    InvertRect(dc, nullptr);
    bool inside = false;
    int bluePixels = Count(kBlue, &inside);
    EXPECT_TRUE(inside);
    EXPECT_GT(bluePixels, 0);
    for (int y = 0; y < 30; y++)
        for (int x = 0; x < 40; x++)
            if (!InsideL(x, y)) {
                ASSERT_EQ(GetPixel(whole, x, y), kWhite) << x << ", " << y;
            }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(blue);
    DeleteObject(bluePen);
}

// Each figure drawn through the L's two boxes paints exactly the pixels of the same figure drawn unclipped
// that lie inside the L: lines are clipped box by box, and the boxes' share of a shape is the same.
TEST_F(ClippedScreen, EachBoxPaintsItsShareOfTheUnclippedFigure) {
    struct Figure {
        const char* name;
        int width;
        int brush;                           // a stock brush
        void (*draw)(HDC dc, int x, int y);  // at logical (x, y) shifted
    };
    const Figure figures[] = {
        {"slanted across both boxes", 1, NULL_BRUSH,
         [](HDC dc, int x, int y) {
             MoveToEx(dc, x - 3, y - 2, nullptr);
             LineTo(dc, x + 25, y + 24);
         }},
        {"steep down the notch's edge", 1, NULL_BRUSH,
         [](HDC dc, int x, int y) {
             MoveToEx(dc, x + 12, y - 1, nullptr);
             LineTo(dc, x + 7, y + 22);
         }},
        {"shallow, drawn right to left", 1, NULL_BRUSH,
         [](HDC dc, int x, int y) {
             MoveToEx(dc, x + 30, y + 8, nullptr);
             LineTo(dc, x - 2, y + 13);
         }},
        {"upright through both boxes", 1, NULL_BRUSH,
         [](HDC dc, int x, int y) {
             MoveToEx(dc, x + 4, y - 3, nullptr);
             LineTo(dc, x + 4, y + 26);
         }},
        {"ellipse outline", 1, NULL_BRUSH, [](HDC dc, int x, int y) { Ellipse(dc, x - 2, y + 1, x + 24, y + 19); }},
        {"wide upright line", 5, NULL_BRUSH,
         [](HDC dc, int x, int y) {
             MoveToEx(dc, x + 8, y - 4, nullptr);
             LineTo(dc, x + 8, y + 27);
         }},
        {"wide slanted line", 4, NULL_BRUSH,
         [](HDC dc, int x, int y) {
             MoveToEx(dc, x - 2, y - 3, nullptr);
             LineTo(dc, x + 26, y + 25);
         }},
        {"wide rectangle", 3, NULL_BRUSH, [](HDC dc, int x, int y) { Rectangle(dc, x + 2, y + 1, x + 17, y + 22); }},
        {"filled wide rectangle", 4, LTGRAY_BRUSH,
         [](HDC dc, int x, int y) { Rectangle(dc, x - 1, y + 2, x + 19, y + 23); }},
    };
    for (const Figure& f : figures) {
        SCOPED_TRACE(f.name);
        HPEN pen = CreatePen(PS_SOLID, f.width, kBlue);
        auto pixels = [&](HDC target, int x, int y) {
            PatBlt(whole, 0, 0, 40, 30, WHITENESS);
            HGDIOBJ oldPen = SelectObject(target, pen);
            HGDIOBJ oldBrush = SelectObject(target, GetStockObject(f.brush));
            f.draw(target, x, y);
            SelectObject(target, oldPen);
            SelectObject(target, oldBrush);
            std::vector<COLORREF> got;
            for (int py = 0; py < 30; py++)
                for (int px = 0; px < 40; px++) got.push_back(GetPixel(whole, px, py));
            return got;
        };
        std::vector<COLORREF> clipped = pixels(dc, 0, 0), unclipped = pixels(whole, 10, 5);
        int painted = 0;
        for (int y = 0; y < 30; y++)
            for (int x = 0; x < 40; x++) {
                COLORREF expected = InsideL(x, y) ? unclipped[size_t(y * 40 + x)] : kWhite;
                ASSERT_EQ(clipped[size_t(y * 40 + x)], expected) << x << ", " << y;
                painted += expected == kBlue;
            }
        EXPECT_GT(painted, 0);
        DeleteObject(pen);
    }
}

}  // namespace
