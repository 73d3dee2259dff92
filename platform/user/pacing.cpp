#include "pacing.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

#include "platform/backend/display.h"
#include "platform/gdi/damage.h"
#include "platform/gdi/dc.h"

namespace user {

namespace {

// A drawing of up to this many calls, and up to this many refreshes' worth of pixels (four whole screens:
// a repaint draws the frame and the canvas over each other), is quick: it is never held back.
constexpr int64_t kQuickCalls = 256;
constexpr int64_t kQuickRefreshesOfPixels = 120;
// A refresh shows the overhead of this many calls, besides their pixels.
constexpr int64_t kCallsPerRefresh = 4;
// A long drawing is shown at the plain budget for this many refreshes; then each refresh shows a fifth
// more than the one before.
constexpr int kSteadyRefreshes = 10;
// While it need not wait, a long drawing looks at the clock every so many calls.
constexpr int64_t kCallsBetweenLooks = 64;

}  // namespace

Pacer::Pacer(PacingClock& clock, void (*show)(), int64_t refreshMicroseconds, int64_t pixelsPerRefresh)
    : clock_(clock),
      show_(show),
      refresh_(refreshMicroseconds),
      budget_(std::max<int64_t>(pixelsPerRefresh, kCallsPerRefresh)),
      callWork_(budget_ / kCallsPerRefresh),
      refreshWork_(budget_),
      nextLook_(kQuickCalls + 1) {}

void Pacer::ShowNow(int64_t now) {
    show_();
    pending_ = 0;
    lastShown_ = now;
}

void Pacer::PaceLongDrawing() {
    if (calls_ <= kQuickCalls && pixels_ <= kQuickRefreshesOfPixels * budget_) return;
    nextLook_ = calls_ + kCallsBetweenLooks;
    int64_t now = clock_.Now();
    int64_t due = lastShown_ + refresh_;
    if (now < due) {
        if (pending_ <= refreshWork_) return;
        // More than the display shows in a refresh: the drawing waits for the next one.
        clock_.SleepUntil(due);
        now = clock_.Now();
    }
    ShowNow(now);
    if (++refreshes_ > kSteadyRefreshes) refreshWork_ += refreshWork_ / 5;
}

int Pacer::BeforeWait() {
    calls_ = pixels_ = 0;
    refreshes_ = 0;
    refreshWork_ = budget_;
    nextLook_ = kQuickCalls + 1;
    if (pending_ == 0) return -1;
    int64_t now = refresh_ > 0 ? clock_.Now() : 0;
    int64_t due = lastShown_ + refresh_;
    if (refresh_ <= 0 || now >= due) {
        ShowNow(now);
        return -1;
    }
    return int((due - now + 999) / 1000);
}

namespace {

class SteadyClock : public PacingClock {
public:
    int64_t Now() override {
        return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    void SleepUntil(int64_t time) override {
        int64_t now = Now();
        if (time > now) std::this_thread::sleep_for(std::chrono::microseconds(time - now));
    }
};

void ShowScreenDamage() {
    gdi::Box damage = gdi::TakeScreenDamage();
    if (!damage.empty()) backend::Present(damage.left, damage.top, damage.right, damage.bottom);
}

// A whole screen changed step by step takes about half a second to show: thirty refreshes.
constexpr int64_t kRefreshesForWholeScreen = 30;

std::unique_ptr<Pacer>& TheScreenPacer() {
    static std::unique_ptr<Pacer> pacer;
    return pacer;
}

void UseScreenPacer(std::unique_ptr<Pacer> pacer) {
    TheScreenPacer() = std::move(pacer);
    pacing_detail::screenPacer = TheScreenPacer().get();
}

std::unique_ptr<Pacer> PacerOfScreen(PacingClock& clock, int64_t refreshMicroseconds) {
    const gdi::Surface& screen = gdi::ScreenSurface();
    return std::make_unique<Pacer>(clock, ShowScreenDamage, refreshMicroseconds,
                                   int64_t(screen.width) * screen.height / kRefreshesForWholeScreen);
}

}  // namespace

Pacer* pacing_detail::screenPacer = nullptr;

Pacer& pacing_detail::MakeScreenPacer() {
    static SteadyClock clock;
    if (!screenPacer) UseScreenPacer(PacerOfScreen(clock, backend::RefreshMicroseconds()));
    return *screenPacer;
}

void PaceScreenWith(PacingClock& clock, int64_t refreshMicroseconds) {
    UseScreenPacer(PacerOfScreen(clock, refreshMicroseconds));
}

}  // namespace user
