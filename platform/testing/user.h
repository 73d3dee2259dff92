// Driving the window system from tests on the headless backend: a screen, input at screen coordinates,
// pumping messages, reading and saving what is on the screen, and running a program on its own thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace testing {

// A screen of this size, all black, with no windows' update pending.
void UseScreen(int width, int height);

// Input at screen coordinates, queued as the devices would deliver it.
void Move(int x, int y);
void Press(int x, int y);
void Release(int x, int y);
void RightPress(int x, int y);
void Type(const std::string& text);
void Key(int virtualKey);
void RequestClose();
// The desktop session ends, as at a logout.
void RequestEndSession();
void LoseFocus();
void Expose();

// Handles every message and paint there is on this thread, then returns; false if WM_QUIT came.
bool PumpUntilIdle();

// A program's entry point run on its own thread, as the real program's main thread would run it.
void StartProgram(std::function<int()> entry);
// Waits until the program waits for input with none queued.
void WaitUntilIdle();
// Once the program waits, moves the clock (testing::SetClock) on by that much and lets the program see it:
// returns once it has handled the timers that came due and waits again. A timer comes due once however
// much time passes.
void PassTime(int64_t milliseconds);
// Waits for the program's entry point to return, and gives its result.
int WaitForExit();

// The answer the next message box gets (IDOK, IDYES, IDNO); a box with none queued ends the test
// with a message saying what it asked.
void AnswerMessageBox(int answer);
// The next message box waits as before a person: for keys, clicks, or the end of the session.
void LeaveMessageBoxOpen();
// The boxes shown since the last call, each as "caption: text".
std::vector<std::string> MessageBoxesShown();

// What a display showed, on its own clock in microseconds.
struct Showings {
    int64_t inputAt = -1;          // when the program took the first input, -1 when none came
    std::vector<int64_t> shownAt;  // each showing of changed screen
    int64_t slept = 0;             // how long drawing waited for the display
};
// From now on, the screen is shown as on a display refreshing every refreshMicroseconds, paced as the
// real program's screen is. Its clock moves only while the program waits: for the display, for the
// time it asks to wait, and a second for a person before input it waited for. Called while the program
// waits for input. A program with a timer must run on a held clock (SetClock) then: a timer's wait on
// the real clock would pass at once on this display's clock.
void UseDisplayRefresh(int64_t refreshMicroseconds);
// What that display showed since UseDisplayRefresh or the last call.
Showings TakeShowings();

// Windows that exist now, children included, to catch leaks.
size_t LiveWindows();

COLORREF ScreenPixel(int x, int y);
// Writes the screen as a PNG file; false when the file can't be written.
bool SaveScreenPng(const std::string& path);

}  // namespace testing
