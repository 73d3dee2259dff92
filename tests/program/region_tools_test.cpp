// The region tools and the selection: the rectangle between the press and the release acted on, whichever
// way it was dragged; the cut and copy selection grabbed, moved and pasted from the snapshot; shrink and
// zoom working from the snapshot; and a frame click while the marquee shows only dropping it.
#include <gtest/gtest.h>

#include "canvas/brush_choice.h"
#include "canvas/canvas.h"
#include "canvas/selection.h"
#include "canvas/tools.h"
#include "options/option_strip.h"
#include "region_helpers.h"

using namespace dab_test;

namespace {

// The drag of a region from one corner to the other, with a wander of the rubber outline on the way.
void DragRegion(POINT from, POINT to) { Stroke({from, {(from.x + to.x) / 2 + 37, to.y + 25}, to}); }

struct Corners {
    const char* name;
    POINT from, to;
};

// The same rectangle, 200 × 150 from (100, 100), dragged from each of its corners.
const Corners kCorners[] = {
    {"top left to bottom right", {100, 100}, {300, 250}},
    {"bottom right to top left", {300, 250}, {100, 100}},
    {"top right to bottom left", {300, 100}, {100, 250}},
    {"bottom left to top right", {100, 250}, {300, 100}},
};

struct RegionCase {
    ToolState state;
    const char* name;
    // The pixel at (x, y) of the region afterwards, from the picture before. A negative extent counts
    // from its starting pixel, as on Windows, so the turn's and the mirror's source, which runs backwards
    // from the region's far edge, starts one row or column beyond the region.
    COLORREF (*expected)(const CanvasImage& before, int x, int y);
};

const RegionCase kRegionCases[] = {
    {kTurnState, "turned upside down", [](const CanvasImage& b, int x, int y) { return b.at(x, 350 - y); }},
    {kMirrorState, "mirrored", [](const CanvasImage& b, int x, int y) { return b.at(400 - x, y); }},
    {kInvertState, "inverted", [](const CanvasImage& b, int x, int y) { return b.at(x, y) ^ 0x00FFFFFF; }},
};

// The region between the corners is acted on whichever way it is dragged. Dragged leftwards or upwards,
// its pixels are those from the release point's pixel up to the press point's, one further right or down.
TEST(RegionTools, TurnMirrorAndInvertTheRegionBetweenTheCornersWhicheverWayItIsDragged) {
    RunDab({640, 480}, [] {
        for (const RegionCase& c : kRegionCases) {
            for (const Corners& corners : kCorners) {
                PaintCanvas(Gradient);
                CanvasImage before = ReadCanvas();
                UseTool(c.state);
                DragRegion(corners.from, corners.to);
                // The region is (100, 100) to (300, 250) moved by (dx, dy): as the case has it, elsewhere as before.
                int dx = corners.to.x < corners.from.x, dy = corners.to.y < corners.from.y;
                auto want = [&](int x, int y) {
                    bool in = x >= 100 + dx && x < 300 + dx && y >= 100 + dy && y < 250 + dy;
                    return in ? c.expected(before, x, y) : before.at(x, y);
                };
                EXPECT_EQ(WrongPixels(ReadCanvas(), want), 0) << c.name << ", " << corners.name;
                EXPECT_TRUE(SoundFiles().empty()) << c.name;
            }
        }
    });
}

TEST(RegionTools, WhiteRectangleWhitensTheRegionAndHalfThePenAround) {
    RunDab({640, 480}, [] {
        PaintCanvas(Checks);
        CanvasImage before = ReadCanvas();
        ChoosePenWidth(6);
        UseTool(kWhiteRectangleState);
        DragRegion({300, 250}, {100, 100});
        CanvasImage after = ReadCanvas();
        for (int y = 0; y < after.height; y++)
            for (int x = 0; x < after.width; x++) {
                bool inside = x >= 99 && x < 301 && y >= 99 && y < 251;
                bool outside = x < 95 || x >= 305 || y < 95 || y >= 255;
                if (inside) {
                    ASSERT_EQ(after.at(x, y), kWhite) << x << "," << y;
                } else if (outside) {
                    ASSERT_EQ(after.at(x, y), before.at(x, y)) << x << "," << y;
                }
            }
    });
}

// A click without a drag gives a region of no size: nothing to turn, mirror, invert or zoom.
TEST(RegionTools, AClickWithoutADragChangesNothing) {
    RunDab({640, 480}, [] {
        PaintCanvas(Gradient);
        TakeSnapshot();
        CanvasImage before = ReadCanvas();
        for (ToolState state : {kTurnState, kMirrorState, kInvertState, kZoomState}) {
            UseTool(state);
            Click({200, 200});
            EXPECT_EQ(ReadCanvas(), before) << "state " << state;
        }
    });
}

// Shrink and zoom read the snapshot, so doing either again shows the snapshot again, not its last result.
TEST(RegionTools, ShrinkAndZoomAgainWorkFromTheSnapshot) {
    RunDab({640, 480}, [] {
        for (int n : {4, 8}) {
            PaintCanvas(Gradient);
            ChooseRegionOption(2, n);
            int state = CurrentToolState();
            ASSERT_EQ(state, n == 4 ? kShrinkState : kZoomState);
            DragRegion({100, 100}, {180, 160});
            CanvasImage first = ReadCanvas();
            DragRegion({320, 240}, {400, 300});
            CanvasImage second = ReadCanvas();
            if (state == kShrinkState) {
                // The second shrink: white everywhere but its rectangle, which shows what the first did.
                auto want = [&](int x, int y) {
                    return x >= 320 && x < 400 && y >= 240 && y < 300 ? first.at(x - 220, y - 140) : kWhite;
                };
                EXPECT_EQ(WrongPixels(second, want), 0)
                    << "the second shrink holds the whole snapshot, not the first shrink";
            } else {
                // The same size of rectangle from another place of the snapshot: another picture, and
                // each zoom fills the canvas from the snapshot, so repeating the first gives the first.
                EXPECT_NE(second, first);
                DragRegion({100, 100}, {180, 160});
                EXPECT_EQ(ReadCanvas(), first);
                EXPECT_EQ(ReadCanvas().at(2, 2), Gradient(100, 100));
            }
        }
    });
}

struct SelectionCase {
    const char* name;
    int option;  // of region page 2: 1 cut, 12 copy
    bool cut;
};

const SelectionCase kSelectionCases[] = {{"cut", 1, true}, {"copy", 12, false}};

TEST(RegionTools, SelectionPastesTheSnapshotWhereTheMarqueeWasLast) {
    RunDab({640, 480}, [] {
        for (const SelectionCase& c : kSelectionCases) {
            PaintCanvas(Gradient);
            ChooseRegionOption(2, c.option);
            ASSERT_EQ(CurrentToolState(), kSelectState);
            ASSERT_EQ(CurrentSelectionMode(), c.cut ? 1 : 2);
            CanvasImage before = ReadCanvas();
            // Dragged from bottom right to top left: 100 × 60 from (100, 100).
            DragRegion({200, 160}, {100, 100});
            EXPECT_EQ(CurrentToolState(), kNoToolState) << c.name;
            std::vector<POINT> marquee = Differences(before, ReadCanvas());
            EXPECT_GT(marquee.size(), 300u) << c.name << ": the marquee shows";
            for (POINT p : marquee)
                ASSERT_TRUE(p.x == 100 || p.x == 200 || p.y == 100 || p.y == 160) << c.name << ": " << p.x << "," << p.y;
            // Grabbed at (150, 130), moved on to overlap its old place, released elsewhere: the block
            // lands where the marquee was last drawn, 30 right and 20 down.
            CanvasPress({150, 130});
            CanvasMove({170, 140});
            CanvasMove({180, 150});
            testing::WaitUntilIdle();
            EXPECT_EQ(CurrentToolState(), kMoveSelectionState) << c.name;
            EXPECT_EQ(CurrentSelectionRect().left, 100);
            EXPECT_EQ(CurrentSelectionRect().bottom, 160);
            CanvasRelease({260, 200});
            testing::WaitUntilIdle();
            auto want = [&](int x, int y) {
                if (x >= 130 && x < 230 && y >= 120 && y < 180) return before.at(x - 30, y - 20);
                return c.cut && x >= 100 && x < 200 && y >= 100 && y < 160 ? kWhite : before.at(x, y);
            };
            EXPECT_EQ(WrongPixels(ReadCanvas(), want), 0) << c.name;
            // The cut selection is chosen again, the copy's highlight is gone.
            EXPECT_EQ(CurrentToolState(), kSelectState) << c.name;
            EXPECT_EQ(CurrentSelectionMode(), 1) << c.name;
            EXPECT_EQ(CurrentStrip().selectedOption, 1);
            EXPECT_EQ(CurrentSelectionRect().left, 640 + 3);
            EXPECT_EQ(FramePixel(59, 1), kHighlightRgb) << c.name;
            EXPECT_NE(FramePixel(234, 37), kHighlightRgb) << c.name;
        }
    });
}

TEST(RegionTools, FrameClickWhileTheMarqueeShowsOnlyDropsIt) {
    RunDab({640, 480}, [] {
        PaintCanvas(Gradient);
        ChooseRegionOption(2, 1);
        CanvasImage before = ReadCanvas();
        DragRegion({100, 100}, {200, 160});
        int family = CurrentBrush().colourFamily;
        // A colour button.
        ClickFrame(10, 40);
        EXPECT_EQ(CurrentSelectionMode(), 0);
        EXPECT_EQ(CurrentBrush().colourFamily, family) << "the click did not choose a colour";
        EXPECT_EQ(ReadCanvas(), before) << "the marquee is erased";
        // A press outside the rectangle on the canvas drops it too (the copy selection this time: the
        // cut is still the chosen option, and choosing it again does nothing).
        ChooseOptionButton(12);
        DragRegion({100, 100}, {200, 160});
        Click({300, 300});
        EXPECT_EQ(CurrentSelectionMode(), 0);
        EXPECT_EQ(ReadCanvas(), before);
    });
}

// A selection mode is left over when a selection tool was chosen and another page took the tool away, or
// when a repaint put the snapshot over the marquee. With no marquee to erase, a frame click acts at once
// and a canvas press finds nothing to grab; neither draws a marquee on the picture.
TEST(RegionTools, DroppingASelectionWithNoMarqueeShownDrawsNothing) {
    RunDab({640, 480}, [] {
        PaintCanvas(Gradient);
        ChooseRegionOption(2, 1);
        // Dragged out and dropped by a frame click: the rectangle stays remembered.
        DragRegion({100, 100}, {200, 160});
        ClickFrame(10, 40);
        // The copy selection chosen, then the effects page, then a click on its first effect.
        ChooseOptionButton(12);
        ClickFrame(20, 250);
        EXPECT_EQ(CurrentToolState(), kNoToolState);
        EXPECT_EQ(CurrentSelectionMode(), 2);
        CanvasImage before = ReadCanvas();
        ChooseOptionButton(1);
        EXPECT_NE(ReadCanvas(), before) << "the effect ran at once";
        // A marquee painted over by a repaint; then the effects page, and a press on the canvas where the
        // marquee was.
        ChooseRegionOption(2, 12);
        CanvasImage picture = ReadCanvas();
        DragRegion({100, 100}, {200, 160});
        testing::Expose();
        testing::WaitUntilIdle();
        EXPECT_EQ(ReadCanvas(), picture);
        ClickFrame(20, 250);
        EXPECT_EQ(CurrentToolState(), kNoToolState);
        EXPECT_GT(CurrentSelectionMode(), 0);
        Click({150, 130});
        EXPECT_EQ(CurrentToolState(), kNoToolState) << "nothing to grab";
        EXPECT_EQ(CurrentSelectionMode(), 0);
        EXPECT_EQ(ReadCanvas(), picture) << "no stray marquee";
    });
}

}  // namespace
