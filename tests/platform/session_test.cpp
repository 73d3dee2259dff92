// The end of the desktop session, as a logout brings it: every top-level window is asked, then told, and
// the message loop ends even when the program does nothing about it; a message box open at the time
// closes with its negative answer first, and one shown after it closes at once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "heard_messages.h"
#include "platform/testing.h"

namespace {

// Written by the program's thread, read by the test once the program waits or has ended.
// What a program does when it hears WM_ENDSESSION.
enum class OnEndSession { Nothing, PostsQuit5, DestroysItsWindow, AsksInABox };

OnEndSession onEndSession = OnEndSession::Nothing;
int boxAnswer = 0;
UINT boxType = MB_YESNO;

LRESULT CALLBACK Recording(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_QUERYENDSESSION || m == WM_ENDSESSION || m == WM_SYSCOMMAND || m == WM_CLOSE)
        Log().push_back({w, m, wp, lp});
    if (m == WM_LBUTTONDOWN) boxAnswer = MessageBoxA(w, "Keep your picture?", "dab", boxType);
    if (m == WM_ENDSESSION && onEndSession == OnEndSession::PostsQuit5) PostQuitMessage(5);
    if (m == WM_ENDSESSION && onEndSession == OnEndSession::DestroysItsWindow) DestroyWindow(w);
    if (m == WM_ENDSESSION && onEndSession == OnEndSession::AsksInABox)
        boxAnswer = MessageBoxA(w, "Save?", "dab", MB_YESNO);
    if (m == WM_DESTROY) PostQuitMessage(3);
    return DefWindowProcA(w, m, wp, lp);
}

// Two top-level windows, the second hidden, and a child, then the message loop.
HWND frame = nullptr, hidden = nullptr, child = nullptr;

int Program() {
    RegisterWindowClass("SessionRecording", Recording);
    frame = CreateWindowExA(0, "SessionRecording", "", WS_POPUP | WS_VISIBLE, 0, 0, 160, 120, nullptr, nullptr,
                            nullptr, nullptr);
    child = CreateWindowExA(0, "SessionRecording", "", WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, frame, nullptr,
                            nullptr, nullptr);
    hidden = CreateWindowExA(0, "SessionRecording", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    return RunMessageLoop();
}

class Session : public ::testing::Test {
protected:
    void SetUp() override {
        testing::UseScreen(160, 120);
        Log().clear();
        onEndSession = OnEndSession::Nothing;
        boxAnswer = 0;
        boxType = MB_YESNO;
        // A window an earlier test left may still hold the mouse.
        ReleaseCapture();
    }
    void TearDown() override {
        ForgetProgram();
        testing::MessageBoxesShown();
    }
    // The program ended without destroying its windows, as a program at a logout may.
    void ForgetProgram() {
        DestroyWindow(frame);
        DestroyWindow(hidden);
        testing::PumpUntilIdle();
        Log().clear();
    }
    void Start() {
        testing::StartProgram(Program);
        testing::WaitUntilIdle();
    }
    // What each window heard at the end of the session, in order.
    std::vector<Heard> SessionEnd() const {
        return {{frame, WM_QUERYENDSESSION, 0, 0},
                {hidden, WM_QUERYENDSESSION, 0, 0},
                {frame, WM_ENDSESSION, TRUE, 0},
                {hidden, WM_ENDSESSION, TRUE, 0}};
    }
};

TEST_F(Session, EveryTopLevelWindowIsAskedThenToldAndTheLoopEnds) {
    Start();
    testing::RequestEndSession();
    EXPECT_EQ(testing::WaitForExit(), 0);
    EXPECT_EQ(Log(), SessionEnd()) << "children hear nothing, and no window is asked to close";
}

TEST_F(Session, AProgramThatEndsItselfKeepsItsOwnCode) {
    struct Case {
        OnEndSession does;
        int exitCode;
    };
    // Recording's WM_DESTROY quits with 3.
    const Case cases[] = {{OnEndSession::PostsQuit5, 5}, {OnEndSession::DestroysItsWindow, 3}};
    for (const Case& c : cases) {
        onEndSession = c.does;
        Start();
        testing::RequestEndSession();
        EXPECT_EQ(testing::WaitForExit(), c.exitCode);
        ForgetProgram();
    }
}

TEST_F(Session, ABoxOpenAtTheEndClosesWithItsNegativeAnswerBeforeTheWindowsHear) {
    struct Case {
        UINT type;
        int answer;
    };
    const Case cases[] = {{MB_YESNO | MB_ICONQUESTION, IDNO}, {MB_OK | MB_ICONINFORMATION, IDOK}};
    for (const Case& c : cases) {
        boxType = c.type;
        boxAnswer = 0;
        Start();
        testing::LeaveMessageBoxOpen();
        testing::Press(80, 60);
        testing::Release(80, 60);
        testing::WaitUntilIdle();
        EXPECT_EQ(boxAnswer, 0) << "open while nobody answers";
        testing::RequestEndSession();
        EXPECT_EQ(testing::WaitForExit(), 0);
        EXPECT_EQ(boxAnswer, c.answer);
        EXPECT_EQ(Log(), SessionEnd());
        EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{"dab: Keep your picture?"});
        ForgetProgram();
    }
}

TEST_F(Session, ABoxShownAfterTheEndClosesAtOnceWithoutAsking) {
    onEndSession = OnEndSession::AsksInABox;
    Start();
    testing::RequestEndSession();
    EXPECT_EQ(testing::WaitForExit(), 0);
    EXPECT_EQ(boxAnswer, IDNO);
    EXPECT_TRUE(testing::MessageBoxesShown().empty());
    // Over once the loop has ended: the next box asks again.
    testing::AnswerMessageBox(IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "Save?", "dab", MB_YESNO), IDYES);
}

}  // namespace
