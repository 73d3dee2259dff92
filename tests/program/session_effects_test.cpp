// Whole sessions with the effects: a child paints a picture, then runs every effect button of the two
// effects pages and the two region-tool pages by click, hears each one's sound, looks, and takes it back
// with undo. Every effect's screen is saved as a PNG in sessions/ of the build's test folder, for a person
// to look at.
#include <gtest/gtest.h>

#include "base/tool_groups.h"
#include "frame_helpers.h"
#include "options/option_strip.h"
#include "options/pages.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

void EffectsButton() { ClickFrame(20, 250); }
void RegionToolsButton() { ClickFrame(20, 290); }
void NextPageArrow() { ClickFrame(290, 54); }

// The sound file a button plays, worked out from the sound numbers of the pages (sound n is the file
// a(n + 10).mub); nullptr for none.
std::vector<std::string> Sound(const char* file) {
    if (!file) return {};
    return {file};
}

// A child's picture: the page filled light blue, then thick strokes in three colours.
CanvasImage PaintAPicture() {
    ClickFrame(20, 200);
    ChooseOptionButton(2);
    ClickFrame(10, 45);
    Click({300, 200});
    ChooseOptionButton(1);
    ClickFrame(320, 65);
    const int families[3] = {0, 5, 10};
    for (int i = 0; i < 3; i++) {
        ClickFrame(families[i] < 8 ? 10 : 35, 13 * (families[i] % 8) + 6);
        Stroke({{60 + 120 * i, 80}, {200 + 120 * i, 300}, {260 + 120 * i, 120}, {400 + 120 * i, 380}});
    }
    // The last click took the snapshot before the strokes: one more click keeps them in it.
    ChooseOptionButton(1);
    return ReadCanvas();
}

struct Button {
    int n;
    const char* sound;
};

void RunEffectsPage(int page, const std::vector<Button>& buttons, const CanvasImage& picture) {
    for (const Button& b : buttons) {
        if (page == 1) {
            EffectsButton();
        } else {
            // No button of the frame leads to the second effects page: it is shown as its operation does.
            ShowEffectsPage(2);
            testing::WaitUntilIdle();
        }
        ASSERT_EQ(CurrentStrip().toolGroup, page == 1 ? kFirstEffectsGroup : kSecondEffectsGroup);
        testing::ClearMediaRecords();
        ChooseOptionButton(b.n);
        EXPECT_EQ(SoundFiles(), Sound(b.sound)) << "effects page " << page << " button " << b.n;
        EXPECT_NE(ReadCanvas(), picture) << "effects page " << page << " button " << b.n;
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup) << "back on brush page 1";
        EXPECT_EQ(CurrentStrip().selectedOption, 1);
        SaveSession("effects-" + std::to_string(page) + "-" + std::to_string(b.n));
        ClickUndoButton();
        EXPECT_EQ(ReadCanvas(), picture) << "undo after effects page " << page << " button " << b.n;
    }
}

TEST(SessionEffects, EveryButtonOfBothEffectsPages) {
    RunDab({1024, 768}, [] {
        CanvasImage picture = PaintAPicture();
        RunEffectsPage(1,
                       {{1, nullptr}, {2, "a30.mub"}, {3, "a28.mub"}, {4, "a31.mub"}, {5, "a32.mub"},
                        {6, nullptr}, {7, "a19.mub"}, {8, "a33.mub"}, {9, "a35.mub"}, {10, nullptr},
                        {11, "a36.mub"}, {12, "a30.mub"}},
                       picture);
        RunEffectsPage(2,
                       {{1, nullptr}, {2, nullptr}, {3, nullptr}, {4, nullptr}, {5, "a50.mub"},
                        {6, "a15.mub"}, {7, nullptr}, {8, "a25.mub"}, {9, "a49.mub"}, {10, "a31.mub"},
                        {11, "a51.mub"}, {12, "a51.mub"}},
                       picture);
    });
}

TEST(SessionEffects, EveryEffectOfBothRegionToolPages) {
    RunDab({800, 600}, [] {
        CanvasImage picture = PaintAPicture();
        const std::vector<Button> pages[2] = {
            {{5, "a37.mub"}, {6, nullptr}, {7, "a52.mub"}, {8, nullptr}, {10, "a25.mub"}, {11, nullptr},
             {12, nullptr}},
            {{2, "a22.mub"}, {3, "a23.mub"}, {5, "a20.mub"}, {6, nullptr}, {7, "a37.mub"}, {10, "a36.mub"},
             {11, "a29.mub"}},
        };
        for (int page = 1; page <= 2; page++) {
            for (const Button& b : pages[page - 1]) {
                RegionToolsButton();
                if (page == 2) NextPageArrow();
                ASSERT_EQ(CurrentStrip().toolGroup, page == 1 ? kFirstRegionGroup : kSecondRegionGroup);
                testing::ClearMediaRecords();
                ChooseOptionButton(b.n);
                EXPECT_EQ(SoundFiles(), Sound(b.sound)) << "region page " << page << " option " << b.n;
                EXPECT_NE(ReadCanvas(), picture) << "region page " << page << " option " << b.n;
                EXPECT_EQ(CurrentStrip().toolGroup, page == 1 ? kFirstRegionGroup : kSecondRegionGroup) << "the page stays";
                EXPECT_EQ(CurrentStrip().selectedOption, 1) << "option 1 chosen again";
                SaveSession("region-" + std::to_string(page) + "-" + std::to_string(b.n));
                ClickUndoButton();
                EXPECT_EQ(ReadCanvas(), picture) << "undo after region page " << page << " option " << b.n;
            }
        }
    });
}

}  // namespace
