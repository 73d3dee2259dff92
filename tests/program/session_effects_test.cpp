// Whole sessions with the effects: a child paints a picture, then runs every effect button of the two
// effects pages and the two region-tool pages by click, hears each one's sound, looks, and takes it back
// with undo. Every effect's screen is saved as a PNG in sessions/ of the build's test folder, for a person
// to look at.
#include <gtest/gtest.h>

#include "base/sound.h"
#include "frame_helpers.h"
#include "options/pages.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

void Undo() { ClickFrame(20, 460); }
void EffectsButton() { ClickFrame(20, 250); }
void RegionToolsButton() { ClickFrame(20, 290); }
void NextPageArrow() { ClickFrame(290, 54); }

std::vector<std::string> SoundFileOf(Sound sound) {
    if (sound == kNoSound) return {};
    return {SoundEffectFileName(sound)};
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
    Sound sound;
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
        ASSERT_EQ(toolGroup, page == 1 ? kFirstEffectsGroup : kSecondEffectsGroup);
        testing::ClearMediaRecords();
        ChooseOptionButton(b.n);
        EXPECT_EQ(SoundFiles(), SoundFileOf(b.sound)) << "effects page " << page << " button " << b.n;
        EXPECT_NE(ReadCanvas(), picture) << "effects page " << page << " button " << b.n;
        EXPECT_EQ(toolGroup, kFirstBrushGroup) << "back on brush page 1";
        EXPECT_EQ(selectedOption, 1);
        SaveSession("effects-" + std::to_string(page) + "-" + std::to_string(b.n));
        Undo();
        EXPECT_EQ(ReadCanvas(), picture) << "undo after effects page " << page << " button " << b.n;
    }
}

TEST(SessionEffects, EveryButtonOfBothEffectsPages) {
    RunDab({1024, 768}, [] {
        CanvasImage picture = PaintAPicture();
        RunEffectsPage(1, {{1, kNoSound}, {2, kWipeSound}, {3, kStreaksSound}, {4, kDissolveSound},
                           {5, kCurtainsSound}, {6, kNoSound}, {7, kRingBurstSound}, {8, kStarryNightSound},
                           {9, kRadarSound}, {10, kNoSound}, {11, kGraphPaperSound}, {12, kWipeSound}},
                       picture);
        RunEffectsPage(2, {{1, kNoSound}, {2, kNoSound}, {3, kNoSound}, {4, kNoSound}, {5, kCitySound},
                           {6, kSlideOutSound}, {7, kNoSound}, {8, kTunnelSound}, {9, kBarnSound},
                           {10, kDissolveSound}, {11, kRainbowStripesSound}, {12, kRainbowStripesSound}},
                       picture);
    });
}

TEST(SessionEffects, EveryEffectOfBothRegionToolPages) {
    RunDab({800, 600}, [] {
        CanvasImage picture = PaintAPicture();
        const std::vector<Button> pages[2] = {
            {{5, kInvertSound}, {6, kNoSound}, {7, kShrinkStepSound}, {8, kNoSound}, {10, kTunnelSound},
             {11, kNoSound}, {12, kNoSound}},
            {{2, kJumbleSound}, {3, kSwapHalvesSound}, {5, kCrackSound}, {6, kNoSound}, {7, kInvertSound},
             {10, kGraphPaperSound}, {11, kViewfinderSound}},
        };
        for (int page = 1; page <= 2; page++) {
            for (const Button& b : pages[page - 1]) {
                RegionToolsButton();
                if (page == 2) NextPageArrow();
                ASSERT_EQ(toolGroup, page == 1 ? kFirstRegionGroup : kSecondRegionGroup);
                testing::ClearMediaRecords();
                ChooseOptionButton(b.n);
                EXPECT_EQ(SoundFiles(), SoundFileOf(b.sound)) << "region page " << page << " option " << b.n;
                EXPECT_NE(ReadCanvas(), picture) << "region page " << page << " option " << b.n;
                EXPECT_EQ(toolGroup, page == 1 ? kFirstRegionGroup : kSecondRegionGroup) << "the page stays";
                EXPECT_EQ(selectedOption, 1) << "option 1 chosen again";
                SaveSession("region-" + std::to_string(page) + "-" + std::to_string(b.n));
                Undo();
                EXPECT_EQ(ReadCanvas(), picture) << "undo after region page " << page << " option " << b.n;
            }
        }
    });
}

}  // namespace
