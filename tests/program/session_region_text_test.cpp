// Whole sessions with the region tools and the text tool, as a child has them: a picture of stamps and
// shapes, then each region tool of both pages dragged over part of it, a selection cut and one copied, and
// texts typed, corrected and finished. Each ends by saving its screen as a PNG in sessions/ of the build's
// test folder, for a person to look at.
#include <gtest/gtest.h>

#include "base/tool_groups.h"
#include "canvas/brush_choice.h"
#include "canvas/selection.h"
#include "canvas/text.h"
#include "canvas/tools.h"
#include "options/option_strip.h"
#include "options/pages.h"
#include "region_helpers.h"

using namespace dab_test;

namespace {

// A picture to work on: a row of stamps over three solid rectangles in three colours.
void PaintAPicture() {
    ClickFrame(20, 200);
    ClickFrame(290, 54);
    ChooseOptionButton(1);  // the rectangle, solid
    for (int i = 0; i < 3; i++) {
        ClickFrame(i == 1 ? 35 : 10, 13 * (2 + 2 * i) + 6);
        Stroke({{40 + 180 * i, 60}, {120 + 180 * i, 140}, {200 + 180 * i, 330}});
    }
    ClickFrame(20, 380);
    for (int i = 0; i < 8; i++) {
        ChooseOptionButton(1 + i);
        Click({60 + 70 * i, 200 + (i % 3) * 30});
    }
}

// Whether every change between the two pictures lies in the rectangle (edges included).
bool ChangedOnlyWithin(const CanvasImage& before, const CanvasImage& after, RECT r) {
    std::vector<POINT> changed = Differences(before, after);
    for (POINT p : changed)
        if (p.x < r.left || p.x > r.right || p.y < r.top || p.y > r.bottom) return false;
    return !changed.empty();
}

TEST(Session, RegionToolsOfThePageOneOverAPicture) {
    RunDab({1024, 768}, [] {
        PaintAPicture();
        struct Step {
            int option;
            ToolState state;
            POINT from, to;
        };
        // White rectangle, mirror, turn, invert, each over a part of the stamps and shapes; the turn is
        // dragged from the bottom right.
        const Step steps[] = {{1, kWhiteRectangleState, {30, 250}, {150, 300}},
                              {3, kMirrorState, {200, 150}, {400, 260}},
                              {4, kTurnState, {600, 280}, {420, 120}},
                              {9, kInvertState, {100, 30}, {560, 110}}};
        for (const Step& s : steps) {
            ChooseRegionOption(1, s.option);
            EXPECT_EQ(CurrentToolState(), s.state);
            testing::ClearMediaRecords();
            CanvasImage before = ReadCanvas();
            Stroke({s.from, {s.to.x + 40, s.to.y + 50}, s.to});
            RECT r{std::min(s.from.x, s.to.x) - 1, std::min(s.from.y, s.to.y) - 1, std::max(s.from.x, s.to.x),
                   std::max(s.from.y, s.to.y)};
            EXPECT_TRUE(ChangedOnlyWithin(before, ReadCanvas(), r)) << "state " << s.state;
            EXPECT_TRUE(SoundFiles().empty()) << "state " << s.state;
        }
        SaveSession("region-page-1");
        // Undo takes back the invert only: its option click took the snapshot.
        CanvasImage inverted = ReadCanvas();
        ClickUndoButton();
        EXPECT_TRUE(ChangedOnlyWithin(inverted, ReadCanvas(), {99, 29, 560, 110}));
    });
}

TEST(Session, CutCopyShrinkAndZoomOfThePageTwo) {
    RunDab({1024, 768}, [] {
        PaintAPicture();
        // Cut the first stamps and put them lower down.
        ChooseRegionOption(2, 1);
        Stroke({{40, 180}, {200, 260}});
        EXPECT_EQ(CurrentSelectionMode(), 1);
        CanvasImage marked = ReadCanvas();
        Stroke({{100, 220}, {150, 300}, {200, 400}});
        EXPECT_EQ(CurrentToolState(), kSelectState) << "the cut selection is chosen again";
        EXPECT_EQ(ReadCanvas().at(100, 220), kWhite) << "the cut part's place is white";
        EXPECT_EQ(ReadCanvas().at(200, 400), marked.at(100, 220)) << "and the part is 180 lower";
        // Copy the third rectangle's top to the right.
        ChooseOptionButton(12);
        Stroke({{380, 60}, {560, 140}});
        Stroke({{400, 80}, {700, 80}});
        CanvasImage copied = ReadCanvas();
        EXPECT_EQ(copied.at(400, 80), copied.at(700, 80));
        EXPECT_EQ(CurrentStrip().selectedOption, 1);
        SaveSession("region-cut-and-copy");
        // Shrink the whole picture into the bottom right corner twice: the same picture both times.
        ChooseOptionButton(4);
        Stroke({{700, 450}, {900, 600}});
        CanvasImage once = ReadCanvas();
        Stroke({{500, 450}, {700, 600}});
        CanvasImage twice = ReadCanvas();
        for (int y = 450; y < 600; y++)
            for (int x = 0; x < 200; x++) ASSERT_EQ(twice.at(500 + x, y), once.at(700 + x, y)) << x << "," << y;
        SaveSession("region-shrink");
        // Zoom the second shrunk picture back to the whole canvas; undo gives the picture of the last
        // option click back.
        ChooseOptionButton(8);
        CanvasImage snapshot = ReadCanvas();
        Stroke({{500, 450}, {700, 600}});
        CanvasImage zoomed = ReadCanvas();
        EXPECT_GT(Painted(zoomed).size(), Painted(snapshot).size() * 10);
        SaveSession("region-zoom");
        ClickUndoButton();
        EXPECT_EQ(ReadCanvas(), snapshot);
    });
}

TEST(Session, TextTypedCorrectedAndFinishedByAClick) {
    RunDab({800, 600}, [] {
        PaintAPicture();
        CanvasImage picture = ReadCanvas();
        // A colour, then the text button and a place under the stamps.
        ClickFrame(10, 45);
        COLORREF colour = CurrentBrush().currentColour;
        ClickTextButton();
        EXPECT_EQ(CurrentToolState(), kTextState);
        Click({40, 360});
        testing::Type("Hello dob");
        testing::Key(VK_BACK);
        testing::Key(VK_BACK);
        testing::Type("ab!");
        testing::WaitUntilIdle();
        EXPECT_STREQ(TypedText(), "Hello dab!|");
        // A click on the frame finishes it: no caret, tool page 1.
        ClickFrame(450, 30);
        EXPECT_EQ(TextEntryActive(), 0);
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup);
        std::vector<POINT> letters = Differences(picture, ReadCanvas());
        ASSERT_GT(letters.size(), 100u);
        for (POINT p : letters) {
            ASSERT_EQ(CanvasPixel(p.x, p.y), colour);
            ASSERT_GE(p.y, 360);
        }
        CanvasImage first = ReadCanvas();
        // A second text in another colour that runs past the right edge and wraps.
        ClickFrame(35, 6);
        ClickTextButton();
        Click({canvasWidth - 200, 420});
        testing::Type("a long line that wraps at the edge");
        testing::WaitUntilIdle();
        Click({10, 10});
        SaveSession("text");
        CanvasImage both = ReadCanvas();
        ClickUndoButton();
        EXPECT_NE(ReadCanvas(), both);
        EXPECT_EQ(ReadCanvas(), first) << "undo took back the second text only";
    });
}

}  // namespace
