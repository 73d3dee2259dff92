// When the screen is shown: the display has a speed. A drawing (all a thread draws between two waits for
// input) that stays small, as a stroke, a fill, an undo or a repaint does, is shown whole when the thread
// waits. A longer one is shown part way at the display's refresh rate and waits for the display once it
// has done more than one refresh can show: each call costs the display a share of a refresh besides its
// pixels, so many small calls take time as large ones do, and after the first few refreshes each one shows
// a fifth more than the one before, so the longest drawing still takes about a second. The rule sees only
// the calls on the screen, the pixels each changed, and a clock.
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
    // Calls on the screen changed this many pixels of it (none for a read). Heard millions of times by
    // the effects that set every pixel: only a drawing that has grown long looks at the clock, and only
    // every few calls unless it must wait.
    void Drawn(int64_t pixels, int64_t calls = 1) {
        calls_ += calls;
        pixels_ += pixels;
        pending_ += pixels + calls * callWork_;
        if (refresh_ > 0 && (calls_ >= nextLook_ || pending_ > refreshWork_)) PaceLongDrawing();
    }
    // The thread is about to wait for input: shows what is due. The milliseconds it may wait before the
    // screen must be shown, or -1 when nothing waits to be shown.
    int BeforeWait();

private:
    void PaceLongDrawing();
    void ShowNow(int64_t now);
    PacingClock& clock_;
    void (*show_)();
    int64_t refresh_, budget_, callWork_;
    int64_t pending_ = 0;          // work since the last showing: pixels, and callWork_ a call
    int64_t lastShown_ = INT64_MIN / 2;
    // The drawing since the thread last waited: its calls and pixels, the refreshes it has been shown
    // at, and the work the next refresh shows.
    int64_t calls_ = 0, pixels_ = 0;
    int refreshes_ = 0;
    int64_t refreshWork_;
    int64_t nextLook_;             // calls_ at which the clock is looked at next
};

namespace pacing_detail {
extern Pacer* screenPacer;
Pacer& MakeScreenPacer();
}  // namespace pacing_detail

// The program's pacer, on the backend's refresh and the real clock; shows the screen's damage. Asked for
// at every call on the screen: once made, it is found without a call.
inline Pacer& ScreenPacer() {
    Pacer* pacer = pacing_detail::screenPacer;
    return pacer ? *pacer : pacing_detail::MakeScreenPacer();
}
// Tests pace the screen by a display and clock of their own, from a moment the thread that draws waits
// for input; the budget follows the screen's size then.
void PaceScreenWith(PacingClock& clock, int64_t refreshMicroseconds);

}  // namespace user
