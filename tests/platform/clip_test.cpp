// Window-style DCs on the screen: an origin and a clip of several boxes. Drawing lands only inside the
// clip, in logical coordinates moved by the origin, and coordinates anywhere in 32 bits are safe.
#include <gtest/gtest.h>

#include <climits>

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

}  // namespace
