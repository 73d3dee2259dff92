// The display's speed, on a fake clock: long drawing within one message is shown part way at the refresh
// rate and waits for the display, over a time a person can follow however many calls it makes; a stroke,
// an undo or a repaint is never held back beyond one refresh.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/user/pacing.h"

namespace {

constexpr int64_t kRefresh = 16667;                  // 60 Hz
constexpr int64_t kScreen = 640 * 480;
constexpr int64_t kBudget = kScreen / 30;

class FakeClock : public user::PacingClock {
public:
    int64_t Now() override {
        looks++;
        return now;
    }
    void SleepUntil(int64_t time) override {
        slept += std::max<int64_t>(0, time - now);
        now = std::max(now, time);
    }
    int64_t now = 1000000;
    int64_t slept = 0;
    int64_t looks = 0;
};

FakeClock* theClock = nullptr;
std::vector<int64_t> shownAt;

void RecordShow() { shownAt.push_back(theClock->now); }

// Shows at most once a refresh.
void ExpectRefreshApart(const std::vector<int64_t>& times) {
    for (size_t i = 1; i < times.size(); i++) EXPECT_GE(times[i] - times[i - 1], kRefresh) << "show " << i;
}

class Pacing : public ::testing::Test {
protected:
    void SetUp() override {
        theClock = &clock;
        shownAt.clear();
    }
    FakeClock clock;
};

TEST_F(Pacing, AWipeOfManyStepsIsShownAsItHappensAtTheRefreshRate) {
    user::Pacer pacer(clock, RecordShow, kRefresh, kBudget);
    // A wipe: the whole screen a row at a time, each row taking 20 µs to draw.
    int64_t start = clock.now;
    for (int row = 0; row < 480; row++) {
        clock.now += 20;
        pacer.Drawn(640);
    }
    pacer.BeforeWait();
    int64_t end = clock.now;
    EXPECT_GE(shownAt.size(), 15u);
    ExpectRefreshApart(shownAt);
    EXPECT_GE(end - start, 300000);
    EXPECT_LE(end - start, 1500000);
    EXPECT_GT(clock.slept, 0);
}

TEST_F(Pacing, AStrokeIsShownWithinARefreshAndNeverWaitsWhileDrawing) {
    user::Pacer pacer(clock, RecordShow, kRefresh, kBudget);
    // Mouse moves 8 ms apart, each drawing a short segment; between them the thread waits for input, up
    // to the time the pacer gives, and asks again when that time ends first.
    std::vector<int64_t> drawnAt;
    for (int move = 0; move < 50; move++) {
        pacer.Drawn(40);
        drawnAt.push_back(clock.now);
        int64_t nextMove = clock.now + 8000;
        for (int wait = pacer.BeforeWait(); wait > 0; wait = pacer.BeforeWait()) {
            ASSERT_LE(wait, kRefresh / 1000 + 1);
            if (move < 49 && clock.now + wait * 1000 > nextMove) break;
            clock.now += wait * 1000;
        }
        clock.now = std::max(clock.now, nextMove);
    }
    EXPECT_EQ(clock.slept, 0);
    ExpectRefreshApart(shownAt);
    // Every segment is on the display within one refresh of being drawn.
    for (int64_t t : drawnAt) {
        auto shown = std::lower_bound(shownAt.begin(), shownAt.end(), t);
        ASSERT_NE(shown, shownAt.end());
        EXPECT_LE(*shown - t, kRefresh + 1000);
    }
    EXPECT_GE(shownAt.size(), 20u);
    EXPECT_EQ(pacer.BeforeWait(), -1) << "nothing new to show";
}

// Drawings of one message, each call drawing the same number of pixels.
struct Drawing {
    const char* name;
    int64_t calls, pixelsEach;
};

TEST_F(Pacing, AQuickDrawingIsShownWholeWhenTheThreadWaitsAndNeverWaits) {
    const Drawing quick[] = {
        {"an undo of the whole screen", 1, kScreen},
        {"a repaint: 75 calls over three screens", 75, 3 * kScreen / 75},
        {"a spray's move: 256 dots", 256, 1},
        {"a stamp", 1, 32 * 32},
        {"nothing but reads", 200, 0},
    };
    for (const Drawing& d : quick) {
        SCOPED_TRACE(d.name);
        shownAt.clear();
        user::Pacer pacer(clock, RecordShow, kRefresh, kBudget);
        clock.now += 500000;
        int64_t looks = clock.looks;
        for (int64_t i = 0; i < d.calls; i++) pacer.Drawn(d.pixelsEach);
        EXPECT_TRUE(shownAt.empty()) << "not shown part way";
        EXPECT_EQ(clock.looks, looks) << "a quick drawing never looks at the clock";
        EXPECT_EQ(pacer.BeforeWait(), -1);
        EXPECT_EQ(shownAt, std::vector<int64_t>{clock.now});
        EXPECT_EQ(clock.slept, 0);
    }
}

TEST_F(Pacing, ALongDrawingOfFewOrManyCallsIsShownAtTheRefreshRateForASecondOrLess) {
    const Drawing long_[] = {
        {"a wipe of lines", 600, 400},
        {"a dissolve of single pixels", 30000, 1},
        {"every pixel of the screen, one call each", kScreen, 1},
        {"two million reads", 2000000, 0},
        {"small squares", 1250, 100},
        {"forty half screens", 40, kScreen / 2},
        {"a thousand whole screens", 1000, kScreen},
    };
    for (const Drawing& d : long_) {
        SCOPED_TRACE(d.name);
        shownAt.clear();
        clock.slept = 0;
        user::Pacer pacer(clock, RecordShow, kRefresh, kBudget);
        clock.now += 500000;
        int64_t start = clock.now, looks = clock.looks;
        for (int64_t i = 0; i < d.calls; i++) pacer.Drawn(d.pixelsEach);
        for (int wait = pacer.BeforeWait(); wait > 0; wait = pacer.BeforeWait()) clock.now += wait * 1000;
        ASSERT_FALSE(shownAt.empty());
        int64_t duration = shownAt.back() - start;
        std::printf("%-48s %4zu frames over %.3f s\n", d.name, shownAt.size(), duration / 1e6);
        EXPECT_GE(shownAt.size(), 15u);
        EXPECT_GE(duration, 300000);
        EXPECT_LE(duration, 1500000);
        ExpectRefreshApart(shownAt);
        // The clock is looked at only every few calls while the drawing need not wait.
        EXPECT_LE(clock.looks - looks, d.calls / 32 + 4 * int64_t(shownAt.size()) + 4);
    }
}

TEST_F(Pacing, DrawingSlowerThanTheDisplayIsShownAsItGoesWithoutWaiting) {
    user::Pacer pacer(clock, RecordShow, kRefresh, kBudget);
    // Each call draws an eighth of the screen and takes 20 ms of its own: the time spent drawing is the
    // display's time too, so the drawing never waits for it.
    for (int i = 0; i < 100; i++) {
        clock.now += 20000;
        pacer.Drawn(kScreen / 8);
    }
    pacer.BeforeWait();
    EXPECT_EQ(clock.slept, 0);
    EXPECT_GE(shownAt.size(), 30u);
    ExpectRefreshApart(shownAt);
}

TEST_F(Pacing, WithNobodyWatchingWhatWasDrawnIsShownAtEachWaitAndNothingWaits) {
    user::Pacer pacer(clock, RecordShow, 0, kBudget);
    for (int i = 0; i < 100; i++) pacer.Drawn(kScreen);
    EXPECT_TRUE(shownAt.empty());
    EXPECT_EQ(pacer.BeforeWait(), -1);
    EXPECT_EQ(shownAt.size(), 1u);
    EXPECT_EQ(pacer.BeforeWait(), -1);
    EXPECT_EQ(shownAt.size(), 1u) << "nothing drawn, nothing shown";
    EXPECT_EQ(clock.slept, 0);
}

}  // namespace
