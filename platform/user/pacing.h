// When the screen is shown: the display has a speed. Drawing within one message is shown part way at
// the display's refresh rate, and waits for the display once it has changed more than one refresh can
// show; at a wait for input, what was drawn is shown at once, or at the next refresh when one was just
// shown. The rule sees only how much of the screen each drawing call changed, and a clock.
#pragma once

#include <cstdint>

namespace user {

// Microseconds on some steady clock, and a way to wait for one of them.
class PacingClock {
public:
    virtual ~PacingClock() = default;
    virtual int64_t Now() = 0;
    virtual void SleepUntil(int64_t time) = 0;
};

class Pacer {
public:
    // show puts what was drawn on the display. A refresh of 0 stands for nobody watching: shown at each
    // wait, never held back.
    Pacer(PacingClock& clock, void (*show)(), int64_t refreshMicroseconds, int64_t pixelsPerRefresh);
    // A drawing call changed this many pixels of the screen.
    void Drawn(int64_t pixels);
    // The thread is about to wait for input: shows what is due. The milliseconds it may wait before the
    // screen must be shown, or -1 when nothing waits to be shown.
    int BeforeWait();

private:
    void ShowNow(int64_t now);
    PacingClock& clock_;
    void (*show_)();
    int64_t refresh_, budget_;
    int64_t pending_ = 0;          // pixels drawn since the last showing
    int64_t lastShown_ = INT64_MIN / 2;
};

// The program's pacer, on the backend's refresh and the real clock; shows the screen's damage.
Pacer& ScreenPacer();
// Tests pace the screen by a display and clock of their own, from a moment the thread that draws waits
// for input; the budget follows the screen's size then.
void PaceScreenWith(PacingClock& clock, int64_t refreshMicroseconds);

}  // namespace user
