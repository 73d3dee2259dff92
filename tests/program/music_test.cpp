// The background music: five tunes in turn on completion notices, and its end with the canvas.
#include <gtest/gtest.h>

#include "base/sound.h"
#include "base/state.h"
#include "dab.h"

using dab_test::RunDab;

namespace {

void Notice(WPARAM code) {
    PostMessageA(canvasWindow, MM_MCINOTIFY, code, 0);
    testing::WaitUntilIdle();
}

std::vector<std::string> NextTune(int number) {
    return {"close midi", "Open dab" + std::to_string(number) + ".mid alias midi", "Play midi from 0 NOTIFY"};
}

TEST(Music, EachTuneEndMovesToTheNextAndRoundAgain) {
    RunDab({640, 480}, [] {
        const int expected[] = {2, 3, 4, 5, 1, 2};
        for (int next : expected) {
            testing::ClearMediaRecords();
            ASSERT_TRUE(testing::FinishMusic()) << "no tune plays before dab" << next;
            testing::WaitUntilIdle();
            EXPECT_EQ(testing::MciCommandsSent(), NextTune(next));
            EXPECT_EQ(TunePlaying(), next);
            EXPECT_NE(testing::MusicPlaying().find("dab" + std::to_string(next) + ".mid"), std::string::npos);
        }
    });
}

TEST(Music, AbortedTuneMovesOnToo) {
    RunDab({640, 480}, [] {
        testing::ClearMediaRecords();
        // Someone else closes the tune: the abort notice still brings the next one.
        mciSendStringA("close midi", nullptr, 0, nullptr);
        testing::WaitUntilIdle();
        std::vector<std::string> expected = NextTune(2);
        expected.insert(expected.begin(), "close midi");
        EXPECT_EQ(testing::MciCommandsSent(), expected);
        EXPECT_EQ(TunePlaying(), 2);
    });
}

TEST(Music, FailureNoticeAndNoticeWithoutMusicChangeNothing) {
    RunDab({640, 480}, [] {
        testing::ClearMediaRecords();
        Notice(MCI_NOTIFY_FAILURE);
        EXPECT_TRUE(testing::MciCommandsSent().empty());
        EXPECT_EQ(TunePlaying(), 1);

        // After the sound switch the music is closed, so its abort notice must not restart it.
        SwitchSound();
        testing::ClearMediaRecords();
        Notice(MCI_NOTIFY_ABORTED);
        EXPECT_TRUE(testing::MciCommandsSent().empty());
        EXPECT_EQ(TunePlaying(), 0);
    });
}

TEST(Music, CanvasEndClosesTheMusicAndTheProgramEndsWithZero) {
    RunDab({640, 480}, [] {
        testing::ClearMediaRecords();
        PostMessageA(frameWindow, WM_CLOSE, 0, 0);
        EXPECT_EQ(testing::WaitForExit(), 0);
        EXPECT_EQ(testing::MciCommandsSent(), std::vector<std::string>{"close midi"});
    });
}

TEST(Music, NoMusicToCloseWhenNoneIsOpen) {
    RunDab({640, 480}, [] {
        SwitchSound();
        testing::ClearMediaRecords();
        PostMessageA(frameWindow, WM_CLOSE, 0, 0);
        EXPECT_EQ(testing::WaitForExit(), 0);
        EXPECT_TRUE(testing::MciCommandsSent().empty());
    });
}

}  // namespace
