// The headless backend's screen and input: no display; events come from tests (platform/testing/user.h),
// and a thread waiting for one counts as idle.
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "platform/backend/display.h"
#include "platform/backend/headless/events.h"
#include "platform/testing/kernel.h"
#include "platform/user/message_box.h"
#include "platform/user/pacing.h"

namespace backend {

namespace {

struct Events {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<InputEvent> queue;
    bool woken = false;
    int waiting = 0;
    int presented = 0;
    const CursorImage* cursor = nullptr;
    // A display of a test's own (UseFakeDisplay): its clock and what it showed when.
    bool fakeDisplay = false;
    int64_t now = 0;
    // The test saw the program idle: its next input comes after a person's pause. Inputs a test sends
    // together (a stroke) come as fast as a hand moves, however the threads happen to interleave.
    bool personPausing = false;
    testing::Showings showings;
};

Events& TheEvents() {
    static Events events;
    return events;
}

std::deque<int>& Answers() {
    static std::deque<int> answers;
    return answers;
}

std::vector<std::string>& Asked() {
    static std::vector<std::string> asked;
    return asked;
}

// No person sits before a headless screen: each box takes the next answer a test queued.
int AnswerFromTest(const std::string& caption, const std::string& text, UINT) {
    Asked().push_back(caption + ": " + text);
    if (Answers().empty()) {
        std::fprintf(stderr, "MessageBoxA asked \"%s: %s\" and no answer was queued\n", caption.c_str(), text.c_str());
        std::abort();
    }
    int answer = Answers().front();
    Answers().pop_front();
    return answer;
}

const bool kAnswersFromTests = (user::SetBoxAnswerer(AnswerFromTest), true);

// A person takes longer than a refresh between two things they do.
constexpr int64_t kPersonsPauseMicroseconds = 1000000;

// Time on the fake display moves only while the program waits: for the display, or for input.
class FakeDisplayClock : public user::PacingClock {
public:
    int64_t Now() override {
        std::lock_guard<std::mutex> lock(TheEvents().mutex);
        return TheEvents().now;
    }
    void SleepUntil(int64_t time) override {
        Events& e = TheEvents();
        std::lock_guard<std::mutex> lock(e.mutex);
        if (time <= e.now) return;
        e.showings.slept += time - e.now;
        e.now = time;
    }
};

}  // namespace

bool OpenDisplay() { return true; }

void Present(int, int, int, int) {
    std::lock_guard<std::mutex> lock(TheEvents().mutex);
    TheEvents().presented++;
    if (TheEvents().fakeDisplay) TheEvents().showings.shownAt.push_back(TheEvents().now);
}

// Nobody watches a headless screen: drawing never waits for it.
int64_t RefreshMicroseconds() { return 0; }

bool NextEvent(InputEvent& event, int timeoutMs) {
    Events& e = TheEvents();
    std::unique_lock<std::mutex> lock(e.mutex);
    auto ready = [&] { return !e.queue.empty() || e.woken; };
    if (!ready() && timeoutMs > 0 && e.fakeDisplay) {
        // Waiting for the display passes on its clock alone.
        e.now += int64_t(timeoutMs) * 1000;
    } else if (!ready() && timeoutMs != 0) {
        e.waiting++;
        e.changed.notify_all();
        if (timeoutMs < 0)
            e.changed.wait(lock, ready);
        else
            e.changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
        e.waiting--;
    }
    e.woken = false;
    if (e.queue.empty()) return false;
    if (e.fakeDisplay && e.personPausing) e.now += kPersonsPauseMicroseconds;
    e.personPausing = false;
    if (e.fakeDisplay && e.showings.inputAt < 0) e.showings.inputAt = e.now;
    event = e.queue.front();
    e.queue.pop_front();
    return true;
}

void Wake() {
    Events& e = TheEvents();
    std::lock_guard<std::mutex> lock(e.mutex);
    e.woken = true;
    e.changed.notify_all();
}

void Minimize() {}

void ShowCursorImage(const CursorImage* image) {
    std::lock_guard<std::mutex> lock(TheEvents().mutex);
    TheEvents().cursor = image;
}

namespace headless {

void Inject(const InputEvent& event) {
    Events& e = TheEvents();
    std::lock_guard<std::mutex> lock(e.mutex);
    e.queue.push_back(event);
    e.changed.notify_all();
}

void WaitUntilWaiting() {
    Events& e = TheEvents();
    std::unique_lock<std::mutex> lock(e.mutex);
    e.changed.wait(lock, [&] { return e.waiting > 0 && e.queue.empty() && !e.woken; });
    e.personPausing = true;
}

void PassTime(int64_t milliseconds) {
    Events& e = TheEvents();
    std::unique_lock<std::mutex> lock(e.mutex);
    auto idle = [&] { return e.waiting > 0 && e.queue.empty() && !e.woken; };
    e.changed.wait(lock, idle);
    // Moved while the program waits in NextEvent: it reads the clock only once it has the lock again.
    testing::AdvanceClock(milliseconds);
    e.woken = true;
    e.changed.notify_all();
    e.changed.wait(lock, idle);
}

int PresentCount() {
    std::lock_guard<std::mutex> lock(TheEvents().mutex);
    return TheEvents().presented;
}

void UseFakeDisplay(int64_t refreshMicroseconds) {
    static FakeDisplayClock clock;
    {
        std::lock_guard<std::mutex> lock(TheEvents().mutex);
        TheEvents().fakeDisplay = true;
        TheEvents().showings = {};
    }
    user::PaceScreenWith(clock, refreshMicroseconds);
}

testing::Showings TakeShowings() {
    std::lock_guard<std::mutex> lock(TheEvents().mutex);
    testing::Showings taken = TheEvents().showings;
    TheEvents().showings = {};
    return taken;
}

void QueueBoxAnswer(int answer) { Answers().push_back(answer); }

std::vector<std::string> TakeBoxQuestions() {
    std::vector<std::string> asked;
    asked.swap(Asked());
    return asked;
}

const CursorImage* ShownCursor() {
    std::lock_guard<std::mutex> lock(TheEvents().mutex);
    return TheEvents().cursor;
}

}  // namespace headless

}  // namespace backend
