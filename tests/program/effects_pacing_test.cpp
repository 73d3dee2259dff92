// The long effects seen as they happen: on a display of 60 refreshes a second, each wipe, slide, shrink,
// burst, noise and grey shows many frames over a time a child can follow, and the quick actions, every
// move of every brush tool's stroke among them, are never held back. The display's clock moves only while
// the program waits, so the figures are exact; they are printed for each screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <functional>
#include <string>

#include "frame_helpers.h"
#include "options/pages.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

constexpr int64_t kRefresh = 16667;
constexpr size_t kFewestFrames = 15;
constexpr int64_t kShortest = 300000, kLongest = 1500000;
// The program waits for the display in whole milliseconds.
constexpr int64_t kWithinOneRefresh = kRefresh + 1000;

void EffectsPage1() { ClickFrame(20, 250); }
void EffectsPage2() {
    // No button of the frame leads to the second effects page: it is shown as its operation does.
    ShowEffectsPage(2);
    testing::WaitUntilIdle();
}
void RegionPage1() { ClickFrame(20, 290); }
void BrushPage(int page) {
    ClickFrame(20, 200);
    for (int p = 1; p < page; p++) ClickFrame(290, 54);
}

struct LongAction {
    const char* name;
    void (*page)();
    int button;
};

const LongAction kLongActions[] = {
    {"wipe 0", EffectsPage1, 4},   {"wipe 1", EffectsPage1, 5},     {"wipe 2", EffectsPage2, 10},
    {"wipe 3", EffectsPage1, 12},  {"wipe 4", EffectsPage1, 11},    {"wipe 5", EffectsPage1, 10},
    {"wipe 6", EffectsPage1, 2},   {"wipe 7", EffectsPage1, 3},     {"slide out", EffectsPage2, 6},
    {"shrink away", EffectsPage2, 8}, {"ring burst", EffectsPage1, 7}, {"colour noise", EffectsPage1, 6},
    {"grey", RegionPage1, 8},
};

// From the input that started it to the last frame it showed.
int64_t Duration(const testing::Showings& s) { return s.shownAt.empty() ? 0 : s.shownAt.back() - s.inputAt; }

void Report(const std::string& size, const std::string& name, const testing::Showings& s) {
    std::printf("%s %-13s %3zu frames over %7.3f s, waited %7.3f s\n", size.c_str(), name.c_str(), s.shownAt.size(),
                Duration(s) / 1e6, s.slept / 1e6);
}

// Strokes from one side of the page to the other, so every effect has a picture to change all along its
// way.
void PaintAPicture() {
    ClickFrame(20, 200);
    ChooseOptionButton(1);
    const int w = canvasWidth, h = canvasHeight;
    for (int i = 0; i < 3; i++)
        Stroke({{10, h * (i + 1) / 4}, {w / 3, h / 8}, {w * 2 / 3, h * 7 / 8}, {w - 10, h * (3 - i) / 4}});
    ChooseOptionButton(1);
}

struct QuickAction {
    const char* name;
    std::function<void()> prepare, act;
};

const QuickAction kQuickActions[] = {
    {"undo", [] {}, ClickUndoButton},
    {"repaint", [] {}, [] {
         testing::Expose();
         testing::WaitUntilIdle();
     }},
    {"fill", [] {
         ClickFrame(20, 200);
         ChooseOptionButton(2);
     }, [] { Click({200, 150}); }},
    {"stamp", [] {
         ClickFrame(20, 380);
         ChooseOptionButton(2);
     }, [] { Click({150, 150}); }},
    {"pencil stroke", [] {
         ClickFrame(20, 200);
         ChooseOptionButton(1);
     }, [] { Stroke({{30, 30}, {90, 140}, {200, 60}, {260, 200}}); }},
};

// Each input of a stroke of every tool of the four brush pages on a white page, handled before the next
// comes as a child's hand moves: none waits for the display, and what it drew is shown within one refresh.
void ExpectEveryBrushStrokeShownAtOnce(const std::string& size) {
    EffectsPage1();
    ChooseOptionButton(4);
    const int w = canvasWidth, h = canvasHeight;
    const POINT path[] = {{w / 4, h / 4}, {w / 3, h / 2}, {w / 2, h / 3}, {w * 2 / 3, h * 2 / 3}, {w * 3 / 4, h / 2}};
    for (int page = 1; page <= 4; page++) {
        for (int option = 1; option <= 12; option++) {
            BrushPage(page);
            ChooseOptionButton(option);
            const std::string tool = size + " brush page " + std::to_string(page) + " option " + std::to_string(option);
            size_t frames = 0;
            int64_t slowest = 0;
            for (size_t i = 0; i <= std::size(path); i++) {
                testing::TakeShowings();
                if (i == 0) CanvasPress(path[0]);
                else if (i < std::size(path)) CanvasMove(path[i]);
                else CanvasRelease(path[i - 1]);
                testing::WaitUntilIdle();
                testing::Showings s = testing::TakeShowings();
                EXPECT_EQ(s.slept, 0) << tool << " input " << i;
                EXPECT_LE(Duration(s), kWithinOneRefresh) << tool << " input " << i;
                frames += s.shownAt.size();
                slowest = std::max(slowest, Duration(s));
            }
            std::printf("%s: %zu frames, each input shown within %.3f s\n", tool.c_str(), frames, slowest / 1e6);
            EXPECT_GT(frames, 0u) << tool << " drew nothing";
            ClickUndoButton();
        }
    }
}

class EffectsPacing : public ::testing::TestWithParam<Screen> {};

TEST_P(EffectsPacing, LongEffectsShowManyFramesAndQuickActionsAreNeverHeldBack) {
    RunDab(GetParam(), [] {
        const std::string size = std::to_string(GetParam().width) + "x" + std::to_string(GetParam().height);
        PaintAPicture();
        testing::UseDisplayRefresh(kRefresh);
        for (const LongAction& a : kLongActions) {
            a.page();
            testing::TakeShowings();
            ChooseOptionButton(a.button);
            testing::Showings s = testing::TakeShowings();
            Report(size, a.name, s);
            EXPECT_GE(s.shownAt.size(), kFewestFrames) << size << " " << a.name;
            EXPECT_GE(Duration(s), kShortest) << size << " " << a.name;
            EXPECT_LE(Duration(s), kLongest) << size << " " << a.name;
            ClickUndoButton();
        }
        for (const QuickAction& a : kQuickActions) {
            a.prepare();
            testing::TakeShowings();
            a.act();
            testing::Showings s = testing::TakeShowings();
            Report(size, a.name, s);
            ASSERT_FALSE(s.shownAt.empty()) << size << " " << a.name;
            EXPECT_EQ(s.slept, 0) << size << " " << a.name;
            EXPECT_LE(Duration(s), kWithinOneRefresh) << size << " " << a.name;
        }
        ExpectEveryBrushStrokeShownAtOnce(size);
    });
}

INSTANTIATE_TEST_SUITE_P(Screens, EffectsPacing, ::testing::Values(Screen{640, 480}, Screen{1920, 1080}));

}  // namespace
