// The five tunes through mciSendStringA on the headless backend, in the program's rotation: each opens
// as a sequencer under the alias "midi", plays from its start, ends with a successful notice, closes, and
// the next follows, the fifth leading back to the first.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "platform/testing.h"
#include "tests/music/music_files.h"

namespace {

namespace fs = std::filesystem;

class TunesThroughMci : public ::testing::Test {
protected:
    void SetUp() override {
        testing::UseScreen(64, 48);
        WNDCLASSA c{};
        c.lpfnWndProc = DefWindowProcA;
        c.lpszClassName = "TuneListener";
        RegisterClassA(&c);
        canvas = CreateWindowExA(0, "TuneListener", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(canvas);
        std::string pattern = (fs::temp_directory_path() / "dab-tunes-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        for (int n = 1; n <= 5; ++n) fs::copy_file(TuneFile(n), folder / TuneFile(n).filename());
        previous = fs::current_path();
        fs::current_path(folder);
    }
    void TearDown() override {
        mciSendStringA("close midi", nullptr, 0, nullptr);
        DestroyWindow(canvas);
        testing::PumpUntilIdle();
        fs::current_path(previous);
        fs::remove_all(folder);
    }
    MCIERROR Send(const std::string& command) { return mciSendStringA(command.c_str(), answer, sizeof answer, canvas); }
    std::vector<WPARAM> Notices() {
        std::vector<WPARAM> codes;
        MSG m;
        while (PeekMessageA(&m, canvas, MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE)) codes.push_back(m.wParam);
        return codes;
    }

    HWND canvas = nullptr;
    fs::path folder, previous;
    char answer[255] = {};
};

TEST_F(TunesThroughMci, OpenPlayAndFollowEachOtherInTurn) {
    for (int step = 0; step < 6; ++step) {
        std::string name = "dab" + std::to_string(step % 5 + 1) + ".mid";
        ASSERT_EQ(Send("Open " + name + " alias midi"), 0u) << name;
        EXPECT_GT(std::atoi(answer), 0) << "a device identifier";
        ASSERT_EQ(Send("Play midi from 0 NOTIFY"), 0u) << name;
        EXPECT_EQ(testing::MusicPlaying(), name);
        ASSERT_TRUE(testing::FinishMusic()) << name;
        EXPECT_EQ(Notices(), std::vector<WPARAM>({MCI_NOTIFY_SUCCESSFUL})) << name;
        ASSERT_EQ(Send("close midi"), 0u);
        EXPECT_EQ(testing::MusicPlaying(), "");
    }
}

}  // namespace
