// The frame's layout against the positions worked out by hand from the frame's picture, and the click
// lookups at the edges of what they find.
#include <gtest/gtest.h>

#include "base/frame_layout.h"

namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(FrameLayout, ButtonsAndCellsStandWhereTheFramePictureHasThem) {
    struct {
        int n;
        POINT origin;
    } const options[] = {{1, {60, 2}}, {2, {95, 2}}, {6, {235, 2}}, {7, {60, 38}}, {9, {130, 38}}, {12, {235, 38}}};
    for (const auto& c : options) {
        POINT o = OptionButtonOrigin(c.n);
        EXPECT_EQ(o.x, c.origin.x) << "option " << c.n;
        EXPECT_EQ(o.y, c.origin.y) << "option " << c.n;
    }
    struct {
        int family;
        RECT r;
    } const colours[] = {{0, {0, 0, 25, 13}}, {7, {0, 91, 25, 104}}, {8, {25, 0, 50, 13}}, {15, {25, 91, 50, 104}}};
    for (const auto& c : colours) {
        EXPECT_TRUE(SameRect(ColourButtonRect(c.family), c.r)) << "family " << c.family;
    }
    EXPECT_TRUE(SameRect(ShadeSwatchRect(9), {20, 176, 50, 184}));
    EXPECT_EQ(ShadeKnobY(0), 109);
    EXPECT_EQ(ShadeKnobY(1), 116);
    EXPECT_EQ(ShadeKnobY(9), 180);
    POINT cell3 = PictureCellOrigin(3);
    EXPECT_EQ(cell3.x, 300);
    EXPECT_EQ(cell3.y, 250);
}

TEST(FrameLayout, ClickLookupsAtTheirEdges) {
    struct {
        int x, y, option;
    } const options[] = {{55, 2, 0},  {56, 2, 1},   {56, 1, 0},   {89, 35, 1},  {90, 35, 2},  {264, 20, 6},
                         {265, 20, 0}, {56, 36, 7}, {264, 71, 12}, {100, 72, 0}};
    for (const auto& c : options) EXPECT_EQ(OptionButtonAt(c.x, c.y), c.option) << c.x << ", " << c.y;

    struct {
        int y;
        LeftColumnButton button;
    } const column[] = {{190, kNoButton},  {191, kBrushesButton}, {231, kBrushesButton}, {232, kNoButton},
                        {233, kEffectsButton}, {316, kNoButton}, {441, kFilesButton},   {442, kNoButton},
                        {443, kUndoButton},    {2000, kUndoButton}};
    for (const auto& c : column) EXPECT_EQ(LeftColumnButtonAt(c.y), c.button) << "y " << c.y;

    struct {
        int x, y, shade;
    } const shades[] = {{20, 150, -1}, {21, 105, 0}, {49, 183, 9}, {30, 104, -1}, {30, 184, -1}, {50, 150, -1}};
    for (const auto& c : shades) EXPECT_EQ(ShadeAt(c.x, c.y), c.shade) << c.x << ", " << c.y;

    struct {
        int y, width;
    } const widths[] = {{3, 0}, {4, 1}, {9, 1}, {10, 0}, {11, 2}, {57, 7}, {58, 0}, {70, 8}, {71, 0}};
    for (const auto& c : widths) EXPECT_EQ(WidthAt(c.y), c.width) << "y " << c.y;

    struct {
        int x, y, cell;
    } const cells[] = {{100, 150, -1}, {101, 101, 0}, {299, 249, 0}, {300, 200, -1}, {301, 200, 1},
                       {200, 250, -1}, {200, 251, 2}, {499, 399, 3},  {500, 300, -1}};
    for (const auto& c : cells) EXPECT_EQ(PictureCellAt(c.x, c.y), c.cell) << c.x << ", " << c.y;

    EXPECT_EQ(FamilyAt(24, 50), 3);
    EXPECT_EQ(FamilyAt(25, 50), 11);
    EXPECT_FALSE(InWidthChooser(309));
    EXPECT_TRUE(InWidthChooser(310));
    EXPECT_FALSE(InWidthChooser(345));
    EXPECT_FALSE(InSideChooser(360));
    EXPECT_TRUE(InSideChooser(389));
    EXPECT_FALSE(InPageArrows(270));
    EXPECT_TRUE(InPageArrows(310));
    EXPECT_EQ(PageArrowAt(2), kNoArrow);
    EXPECT_EQ(PageArrowAt(35), kPreviousArrow);
    EXPECT_EQ(PageArrowAt(36), kNoArrow);
    EXPECT_EQ(PageArrowAt(71), kNextArrow);
    EXPECT_FALSE(InQuitButton(640, 540, 30));
    EXPECT_TRUE(InQuitButton(640, 541, 71));
    EXPECT_FALSE(OnChooserArrow(584, 250));
    EXPECT_TRUE(OnChooserArrow(615, 265));
}

// Every width's sample and knob lie inside the band that chooses it, and a click on a sample finds it.
TEST(FrameLayout, WidthSamplesLieInTheirOwnBands) {
    for (int w = 0; w < kPenWidths; w++) {
        const WidthChooserRow& row = kWidthChooserRows[w];
        EXPECT_GT(row.sampleTop, row.bandTop) << "width " << w + 1;
        EXPECT_LT(row.sampleBottom, row.bandBottom) << "width " << w + 1;
        EXPECT_EQ(WidthAt(row.knobY), w + 1) << "width " << w + 1;
        for (int y = row.sampleTop; y <= row.sampleBottom; y++) EXPECT_EQ(WidthAt(y), w + 1) << "y " << y;
    }
}

}  // namespace
