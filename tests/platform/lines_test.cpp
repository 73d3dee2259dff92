// Lines and wide pens with coordinates anywhere in 32 bits and widths far beyond the surface: what lies on
// the surface is drawn, exactly where the true line runs, and nothing overflows.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/win32.h"
#include "surfaces.h"

namespace {

// A white 100 × 20 memory surface with a pen of the given width selected.
class WhiteSurface : public ::testing::Test {
protected:
    void SetUp() override { PatBlt(dc, 0, 0, 100, 20, WHITENESS); }
    void TearDown() override {
        SelectObject(dc, GetStockObject(BLACK_PEN));
        if (pen) DeleteObject(pen);
    }
    void UsePen(int width) {
        pen = CreatePen(PS_SOLID, width, kBlack);
        SelectObject(dc, pen);
    }
    void Line(int x0, int y0, int x1, int y1) {
        MoveToEx(dc, x0, y0, nullptr);
        EXPECT_TRUE(LineTo(dc, x1, y1));
    }
    // The rows painted black in column x.
    std::vector<int> BlackRows(int x) {
        std::vector<int> rows;
        for (int y = 0; y < 20; y++)
            if (GetPixel(dc, x, y) == kBlack) rows.push_back(y);
        return rows;
    }
    int CountBlack() {
        int n = 0;
        for (int y = 0; y < 20; y++)
            for (int x = 0; x < 100; x++) n += GetPixel(dc, x, y) == kBlack;
        return n;
    }

    MemoryDc surface{100, 20};
    HDC dc = surface.dc;
    HPEN pen = nullptr;
};

TEST_F(WhiteSurface, AThinLineBetweenFarPointsCrossesTheSurfaceWhereItTrulyRuns) {
    // From (-2^30, 5) to (2^30, 7) the line is at y = 6 + x / 2^30: row 6 over the whole surface.
    Line(-(1 << 30), 5, 1 << 30, 7);
    for (int x = 0; x < 100; x++) EXPECT_EQ(BlackRows(x), std::vector<int>{6}) << "column " << x;
}

TEST_F(WhiteSurface, LinesFromTheCornersOfThe32BitRangeKeepTheirSlope) {
    // The diagonal from (INT_MIN, INT_MIN) to (INT_MAX, INT_MAX) passes through every (i, i).
    Line(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(CountBlack(), 20);
    for (int i = 0; i < 20; i++) EXPECT_EQ(GetPixel(dc, i, i), kBlack) << i;
    // Entirely off the surface: nothing.
    PatBlt(dc, 0, 0, 100, 20, WHITENESS);
    Line(INT_MIN, INT_MAX, INT_MAX, INT_MAX);
    Line(INT_MIN, -1, INT_MAX, -1);
    EXPECT_EQ(CountBlack(), 0);
}

TEST_F(WhiteSurface, AWidePenAtFarCoordinatesPaintsItsBandOnly) {
    UsePen(9);
    Line(-(1 << 30), 10, 1 << 30, 10);
    for (int x = 0; x < 100; x++)
        EXPECT_EQ(BlackRows(x), (std::vector<int>{6, 7, 8, 9, 10, 11, 12, 13, 14})) << "column " << x;
}

TEST_F(WhiteSurface, APenWiderThanTheSurfaceCoversItWhole) {
    UsePen(100000);
    Line(50, 10, 60, 10);
    EXPECT_EQ(CountBlack(), 100 * 20);
    PatBlt(dc, 0, 0, 100, 20, WHITENESS);
    Line(INT_MIN, INT_MIN, INT_MAX, INT_MAX);  // slanted, far ends
    EXPECT_EQ(CountBlack(), 100 * 20);
}

TEST_F(WhiteSurface, ShapesAtTheEdgesOfTheRangeFillWhatIsVisible) {
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(Rectangle(dc, INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_EQ(CountBlack(), 100 * 20);
    PatBlt(dc, 0, 0, 100, 20, WHITENESS);
    EXPECT_TRUE(Ellipse(dc, INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_EQ(CountBlack(), 100 * 20);
    PatBlt(dc, 0, 0, 100, 20, WHITENESS);
    POINT far[3] = {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {0, INT_MAX}};
    EXPECT_TRUE(Polygon(dc, far, 3));
    EXPECT_EQ(CountBlack(), 100 * 20);
}

TEST_F(WhiteSurface, ThinEllipsesStayInsideTheirBoxes) {
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    ASSERT_TRUE(Ellipse(dc, 10, 0, 13, 20));   // 3 wide
    ASSERT_TRUE(Ellipse(dc, 0, 16, 100, 19));  // 3 tall
    int inside = 0;
    for (int y = 0; y < 20; y++) {
        for (int x = 0; x < 100; x++) {
            if (GetPixel(dc, x, y) != kBlack) continue;
            bool first = x >= 10 && x < 13 && y < 20, second = y >= 16 && y < 19;
            EXPECT_TRUE(first || second) << x << "," << y;
            inside++;
        }
    }
    EXPECT_GT(inside, 2 * 20);
    // The tips of the tall one narrow to its middle column, and its first rows are empty.
    EXPECT_TRUE(BlackRows(10).front() > 2 && BlackRows(12).front() > 2);
    EXPECT_EQ(BlackRows(11).front(), 2);
}

TEST(Lines, NullAndStaleDcsDrawNothing) {
    EXPECT_FALSE(LineTo(nullptr, 5, 5));
    EXPECT_FALSE(MoveToEx(nullptr, 5, 5, nullptr));
    HDC dc = CreateCompatibleDC(nullptr);
    DeleteDC(dc);
    EXPECT_FALSE(LineTo(dc, 5, 5));
    EXPECT_FALSE(Rectangle(dc, 0, 0, 5, 5));
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
}

}  // namespace
