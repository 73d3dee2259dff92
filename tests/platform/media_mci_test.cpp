// MCI music: the command strings the program sends, in any case, and the MM_MCINOTIFY notices Windows posts
// for them: successful at the end, aborted by stop or close, superseded by a new play, failure when the
// file was never opened.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "heard_messages.h"
#include "platform/testing.h"
#include "platform/testing/media.h"
#include "temp_folder.h"

namespace {

// A Standard MIDI File of one track holding only its end.
const std::vector<uint8_t> kTune = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
                                    'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0xff, 0x2f, 0};

class Mci : public TempFolder {
protected:
    void SetUp() override {
        testing::UseScreen(64, 48);
        static const bool registered = RegisterWindowClass("MciListener", DefWindowProcA);
        ASSERT_TRUE(registered);
        canvas = CreateWindowExA(0, "MciListener", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        frame = CreateWindowExA(0, "MciListener", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(canvas && frame);
        MakeFolder(false);
        testing::ClearMediaRecords();
    }
    void TearDown() override {
        for (const char* alias : {"midi", "tune", "other"}) Send(std::string("close ") + alias);
        DestroyWindow(canvas);
        DestroyWindow(frame);
        testing::PumpUntilIdle();
        TempFolder::TearDown();
    }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes = kTune) const {
        return WriteBytes(name, bytes);
    }
    MCIERROR Send(const std::string& command, HWND callback = nullptr) {
        return mciSendStringA(command.c_str(), answer, sizeof answer, callback ? callback : canvas);
    }
    struct Notice {
        WPARAM code;
        LPARAM device;
        bool operator==(const Notice&) const = default;
    };
    std::vector<Notice> Notices(HWND window) {
        std::vector<Notice> out;
        MSG m;
        while (PeekMessageA(&m, window, MM_MCINOTIFY, MM_MCINOTIFY, PM_REMOVE)) out.push_back({m.wParam, m.lParam});
        return out;
    }
    // Opens the file under the alias and gives its device identifier.
    LPARAM Open(const std::string& path, const std::string& alias) {
        EXPECT_EQ(Send("open " + path + " alias " + alias), 0u);
        return std::stol(answer);
    }

    HWND canvas = nullptr;
    HWND frame = nullptr;
    char answer[255] = {};
};

TEST_F(Mci, OpensPlaysStopsAndClosesWhateverTheCase) {
    std::string path = Write("Dab1.mid");
    std::string asNamed = (directory_ / "DAB1.MID").string();
    EXPECT_EQ(Send("OPEN " + asNamed + " ALIAS Tune"), 0u);
    EXPECT_STREQ(answer, "1") << "the device identifier";
    EXPECT_EQ(Send("Play TUNE From 0 Notify"), 0u);
    EXPECT_STREQ(answer, "");
    EXPECT_EQ(testing::MusicPlaying(), path);
    EXPECT_EQ(Send("sToP tune"), 0u);
    EXPECT_EQ(testing::MusicPlaying(), "");
    EXPECT_EQ(Send("play tune"), 0u);
    EXPECT_EQ(testing::MusicPlaying(), path) << "a play goes on where the stop left it";
    EXPECT_EQ(Send("CLOSE Tune"), 0u);
    EXPECT_EQ(testing::MusicPlaying(), "");
    EXPECT_EQ(Send("play tune"), MCIERROR(MCIERR_INVALID_DEVICE_NAME));

    std::vector<std::string> sent = {"OPEN " + asNamed + " ALIAS Tune", "Play TUNE From 0 Notify", "sToP tune",
                                     "play tune", "CLOSE Tune", "play tune"};
    EXPECT_EQ(testing::MciCommandsSent(), sent);
}

TEST_F(Mci, OpensBySequencerTypeQuotedNamesAndTheFileNameItself) {
    std::vector<uint8_t> wrapped = {'R', 'I', 'F', 'F', 26, 0, 0, 0, 'R', 'M', 'I', 'D', 'd', 'a', 't', 'a', 26, 0, 0, 0};
    wrapped.insert(wrapped.end(), kTune.begin(), kTune.end());
    std::string spaced = Write("my tune.rmi", wrapped);
    EXPECT_EQ(Send("open \"" + spaced + "\" type Sequencer alias tune"), 0u);
    EXPECT_EQ(Send("play tune from 0"), 0u);
    EXPECT_EQ(testing::MusicPlaying(), spaced);

    std::string bare = Write("other.mid");
    std::filesystem::current_path(directory_);
    EXPECT_EQ(Send("open other.mid"), 0u);
    EXPECT_STREQ(answer, "2");
    EXPECT_EQ(Send("play OTHER.MID"), 0u);
    EXPECT_EQ(testing::MusicPlaying(), "other.mid");
    EXPECT_EQ(Send("close other.mid"), 0u);
}

TEST_F(Mci, RefusesWhatItCannotDoWithWindowsErrors) {
    std::string tune = Write("tune.mid");
    std::string text = Write("text.mid", {'n', 'o', 't', ' ', 'm', 'i', 'd', 'i', '.', '.', '.', '.'});
    std::string wave = Write("sound.wav", {'R', 'I', 'F', 'F'});
    std::string stub = Write("stub.mid", {'R', 'I', 'F', 'F', 0});
    EXPECT_EQ(Send(""), MCIERROR(MCIERR_MISSING_COMMAND_STRING));
    EXPECT_EQ(mciSendStringA(nullptr, nullptr, 0, nullptr), MCIERROR(MCIERR_MISSING_COMMAND_STRING));
    EXPECT_EQ(Send("rewind tune"), MCIERROR(MCIERR_UNRECOGNIZED_COMMAND));
    EXPECT_EQ(Send("play"), MCIERROR(MCIERR_MISSING_DEVICE_NAME));
    EXPECT_EQ(Send("open " + tune + " alias"), MCIERROR(MCIERR_MISSING_PARAMETER));
    EXPECT_EQ(Send("open \"" + tune + " alias tune"), MCIERROR(MCIERR_NO_CLOSING_QUOTE));
    EXPECT_EQ(Send("open " + wave + " alias other"), MCIERROR(MCIERR_EXTENSION_NOT_FOUND));
    EXPECT_EQ(Send("open " + tune + " type waveaudio alias other"), MCIERROR(MCIERR_INVALID_DEVICE_NAME));
    EXPECT_EQ(Send("open " + text + " alias other"), MCIERROR(MCIERR_INVALID_FILE));
    EXPECT_EQ(Send("open " + stub + " alias other"), MCIERROR(MCIERR_INVALID_FILE));
    EXPECT_EQ(Send("open " + (directory_ / "none.mid").string() + " alias other"), MCIERROR(MCIERR_FILE_NOT_FOUND));
    EXPECT_EQ(Send("stop other"), MCIERROR(MCIERR_INVALID_DEVICE_NAME)) << "no failed open left a device";

    EXPECT_EQ(Send("open " + tune + " alias tune"), 0u);
    EXPECT_EQ(Send("open " + tune + " alias TUNE"), MCIERROR(MCIERR_DUPLICATE_ALIAS));
    EXPECT_EQ(Send("play tune from soon"), MCIERROR(MCIERR_BAD_INTEGER));
    EXPECT_EQ(Send("play tune quickly"), MCIERROR(MCIERR_UNRECOGNIZED_KEYWORD));
    EXPECT_EQ(Send("play tune from 500"), MCIERROR(MCIERR_UNSUPPORTED_FUNCTION)) << "only the start is reached";
    EXPECT_EQ(Send("close tune alias x"), MCIERROR(MCIERR_UNRECOGNIZED_KEYWORD));
    EXPECT_EQ(testing::MusicPlaying(), "") << "no refused play started the music";
    EXPECT_TRUE(Notices(canvas).empty()) << "nothing asked for a notice";
}

TEST_F(Mci, TheEndOfTheMusicIsSuccessfulFromTheMixersThread) {
    LPARAM id = Open(Write("tune.mid"), "tune");
    ASSERT_EQ(Send("play tune from 0 notify"), 0u);
    EXPECT_TRUE(Notices(canvas).empty());
    bool finished = false;
    std::thread mixer([&] { finished = testing::FinishMusic(); });
    mixer.join();
    ASSERT_TRUE(finished);
    EXPECT_EQ(Notices(canvas), std::vector<Notice>({{MCI_NOTIFY_SUCCESSFUL, id}}));
    EXPECT_TRUE(Notices(frame).empty());
    EXPECT_FALSE(testing::FinishMusic()) << "it has ended";

    // At the end a play without from has nothing left to play, and says so at once.
    EXPECT_EQ(Send("play tune notify"), 0u);
    EXPECT_EQ(testing::MusicPlaying(), "");
    EXPECT_EQ(Notices(canvas), std::vector<Notice>({{MCI_NOTIFY_SUCCESSFUL, id}}));
    EXPECT_EQ(Send("play tune from 0"), 0u);
    EXPECT_TRUE(testing::FinishMusic());
    EXPECT_TRUE(Notices(canvas).empty()) << "a play without notify ends without a notice";
}

TEST_F(Mci, CloseAndStopAbortThePendingNoticeAtThePlaysWindow) {
    LPARAM id = Open(Write("tune.mid"), "tune");
    ASSERT_EQ(Send("play tune from 0 notify"), 0u);
    ASSERT_EQ(Send("stop tune"), 0u);
    EXPECT_EQ(Notices(canvas), std::vector<Notice>({{MCI_NOTIFY_ABORTED, id}}));
    EXPECT_FALSE(testing::FinishMusic()) << "stopped music does not end";

    ASSERT_EQ(Send("play tune notify"), 0u);
    ASSERT_EQ(Send("close tune", frame), 0u);
    EXPECT_EQ(Notices(canvas), std::vector<Notice>({{MCI_NOTIFY_ABORTED, id}}));
    EXPECT_TRUE(Notices(frame).empty());
    EXPECT_FALSE(testing::FinishMusic());
    EXPECT_TRUE(Notices(canvas).empty()) << "one notice a play";
}

TEST_F(Mci, ANewPlaySupersedesThePendingNotice) {
    LPARAM id = Open(Write("tune.mid"), "tune");
    ASSERT_EQ(Send("play tune from 0 notify"), 0u);
    ASSERT_EQ(Send("play tune from 0 notify", frame), 0u);
    EXPECT_EQ(Notices(canvas), std::vector<Notice>({{MCI_NOTIFY_SUPERSEDED, id}}));
    ASSERT_TRUE(testing::FinishMusic());
    EXPECT_EQ(Notices(frame), std::vector<Notice>({{MCI_NOTIFY_SUCCESSFUL, id}}));
    EXPECT_TRUE(Notices(canvas).empty());
}

TEST_F(Mci, AFileThatWouldNotOpenFailsItsPlayWithAFailureNotice) {
    EXPECT_EQ(Send("open " + (directory_ / "dab3.mid").string() + " alias midi"), MCIERROR(MCIERR_FILE_NOT_FOUND));
    EXPECT_EQ(Send("Play midi from 0 NOTIFY"), MCIERROR(MCIERR_INVALID_DEVICE_NAME));
    std::vector<Notice> heard = Notices(canvas);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].code, WPARAM(MCI_NOTIFY_FAILURE));
    EXPECT_FALSE(testing::FinishMusic()) << "nothing plays";
}

TEST_F(Mci, MusicOfAnotherDeviceTakesOverAndAbortsTheFirst) {
    LPARAM first = Open(Write("one.mid"), "tune");
    std::string two = Write("two.mid");
    LPARAM second = Open(two, "other");
    EXPECT_NE(first, second);
    ASSERT_EQ(Send("play tune notify"), 0u);
    ASSERT_EQ(Send("play other notify"), 0u);
    EXPECT_EQ(testing::MusicPlaying(), two);
    EXPECT_EQ(Notices(canvas), std::vector<Notice>({{MCI_NOTIFY_ABORTED, first}}));
    ASSERT_TRUE(testing::FinishMusic());
    EXPECT_EQ(Notices(canvas), std::vector<Notice>({{MCI_NOTIFY_SUCCESSFUL, second}}));
}

// The program's rotation: each notice closes the file, opens the next and plays it; the fifth leads to the
// first, and a close from elsewhere ends it for good with an aborted notice the program ignores.
TEST_F(Mci, TheProgramsFiveFilesFollowEachOtherOnTheirNotices) {
    for (int n = 1; n <= 5; ++n) Write("dab" + std::to_string(n) + ".mid");
    std::filesystem::current_path(directory_);
    auto openNumber = [&](int n) { return "Open dab" + std::to_string(n) + ".mid alias midi"; };
    ASSERT_EQ(Send(openNumber(1)), 0u);
    ASSERT_EQ(Send("Play midi from 0 NOTIFY"), 0u);
    for (int step = 2; step <= 7; ++step) {
        ASSERT_TRUE(testing::FinishMusic());
        std::vector<Notice> heard = Notices(canvas);
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(heard[0].code, WPARAM(MCI_NOTIFY_SUCCESSFUL));
        int next = (step - 1) % 5 + 1;
        ASSERT_EQ(Send("close midi"), 0u);
        ASSERT_EQ(Send(openNumber(next)), 0u);
        ASSERT_EQ(Send("Play midi from 0 NOTIFY"), 0u);
        EXPECT_EQ(testing::MusicPlaying(), "dab" + std::to_string(next) + ".mid");
    }
    ASSERT_EQ(Send("close midi", frame), 0u);
    EXPECT_EQ(testing::MusicPlaying(), "");
    std::vector<Notice> heard = Notices(canvas);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].code, WPARAM(MCI_NOTIFY_ABORTED));
}

}  // namespace
