// The display's speed, on a fake clock: long drawing within one message is shown part way at the refresh
// rate and waits for the display; a stroke, an undo or a repaint is never held back beyond one refresh.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/user/pacing.h"

namespace {

constexpr int64_t kRefresh = 16667;                  // 60 Hz
constexpr int64_t kScreen = 640 * 480;
constexpr int64_t kBudget = kScreen / 30;

class FakeClock : public user::PacingClock {
public:
    int64_t Now() override { return now; }
    void SleepUntil(int64_t time) override {
        slept += std::max<int64_t>(0, time - now);
        now = std::max(now, time);
    }
    int64_t now = 1000000;
    int64_t slept = 0;
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

TEST_F(Pacing, AnUndoOrRepaintOfTheWholeScreenIsShownAtOnce) {
    user::Pacer pacer(clock, RecordShow, kRefresh, kBudget);
    clock.now += 500000;
    pacer.Drawn(kScreen);
    EXPECT_EQ(shownAt, std::vector<int64_t>{clock.now});
    EXPECT_EQ(clock.slept, 0);
    EXPECT_EQ(pacer.BeforeWait(), -1);
    EXPECT_EQ(shownAt.size(), 1u);
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
