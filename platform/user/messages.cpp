// GetMessageA and its kin. The end of the session comes first, as messages sent from outside do; then
// posted messages, quitting, input, painting and last timers, as on Windows. Only when all are empty does
// the thread show what it drew (when the display is ready) and wait, until input comes or a timer is due.
#include <algorithm>
#include <chrono>
#include <climits>
#include <deque>
#include <mutex>
#include <set>

#include "input.h"
#include "pacing.h"
#include "platform/gdi/damage.h"
#include "platform/backend/display.h"
#include "platform/kernel/settable_clock.h"
#include "queue.h"
#include "session.h"
#include "timers.h"
#include "window.h"

namespace user {

namespace {

// Milliseconds since the layer started, for the time field of messages.
DWORD MessageTime() {
    static const auto start = std::chrono::steady_clock::now();
    return DWORD(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

// Drawing on the screen is paced by the display, even before the program waits again.
const bool kPacesDrawing =
    (gdi::SetScreenDrawnHook([](int64_t calls, int64_t pixels) { ScreenPacer().Drawn(pixels, calls); }), true);

struct Queue {
    std::mutex mutex;
    std::deque<MSG> posted;
    std::set<HWND> live;
    bool quit = false;
    int quitCode = 0;
};

// The end of the session, from its arrival until the loop it ends has taken its WM_QUIT.
enum class SessionEnd { None, Arrived, Delivered };

SessionEnd& TheSessionEnd() {
    static SessionEnd end = SessionEnd::None;
    return end;
}

Queue& TheQueue() {
    static Queue queue;
    return queue;
}

std::deque<backend::InputEvent>& PendingInput() {
    static std::deque<backend::InputEvent> input;
    return input;
}

bool Wants(UINT message, UINT first, UINT last) {
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

bool Matches(const MSG& m, HWND window, UINT first, UINT last) {
    if (window && m.hwnd != window) return false;
    return Wants(m.message, first, last);
}

bool TakePosted(MSG& out, HWND window, UINT first, UINT last, bool remove) {
    Queue& q = TheQueue();
    std::lock_guard<std::mutex> lock(q.mutex);
    for (auto it = q.posted.begin(); it != q.posted.end();) {
        // Messages for windows destroyed since they were posted are dropped, as Windows does.
        if (it->hwnd && !q.live.count(it->hwnd)) {
            it = q.posted.erase(it);
            continue;
        }
        if (Matches(*it, window, first, last)) {
            out = *it;
            if (remove) q.posted.erase(it);
            return true;
        }
        ++it;
    }
    return false;
}

bool TakeQuit(MSG& out, bool remove) {
    Queue& q = TheQueue();
    std::lock_guard<std::mutex> lock(q.mutex);
    if (!q.quit) return false;
    out = MSG{nullptr, WM_QUIT, WPARAM(q.quitCode), 0, MessageTime(), {}};
    if (remove) {
        q.quit = false;
        TheSessionEnd() = SessionEnd::None;
    }
    return true;
}

// The loop ends after the session, with the program's own code if it posted one.
void QuitUnlessQuitting() {
    Queue& q = TheQueue();
    std::lock_guard<std::mutex> lock(q.mutex);
    if (q.quit) return;
    q.quit = true;
    q.quitCode = 0;
}

void DeliverSessionEnd() {
    if (TheSessionEnd() != SessionEnd::Arrived) return;
    // Marked first: the windows may pump messages while they hear of it.
    TheSessionEnd() = SessionEnd::Delivered;
    TellWindowsSessionEnds();
    QuitUnlessQuitting();
}

// An event from the backend, waiting up to timeoutMs for one: input joins the queue, the end of the
// session is noted.
bool Receive(int timeoutMs) {
    backend::InputEvent event;
    if (!backend::NextEvent(event, timeoutMs)) return false;
    if (event.kind == backend::InputEvent::EndSession) {
        if (TheSessionEnd() == SessionEnd::None) TheSessionEnd() = SessionEnd::Arrived;
    } else {
        PendingInput().push_back(event);
    }
    return true;
}

void DrainBackend() {
    while (Receive(0)) {
    }
}

bool TakeInput(MSG& out, HWND window, UINT first, UINT last, bool remove) {
    auto& input = PendingInput();
    while (!input.empty()) {
        MSG m{};
        // Events that become no message (a move over no window) are used up on the way.
        if (!MessageFromInput(input.front(), m)) {
            input.pop_front();
            continue;
        }
        if (!Matches(m, window, first, last)) return false;
        out = m;
        if (remove) input.pop_front();
        return true;
    }
    return false;
}

bool TakePaint(MSG& out, HWND window) {
    Window* found = nullptr;
    ForEachWindow([&](Window* w) {
        if (!found && !w->update.empty() && IsShown(w) && (!window || w->handle == window)) found = w;
    });
    if (!found) return false;
    out = MSG{found->handle, WM_PAINT, 0, 0, MessageTime(), {}};
    return true;
}

bool Next(MSG& out, HWND window, UINT first, UINT last, bool remove) {
    DeliverSessionEnd();
    if (TakePosted(out, window, first, last, remove)) return true;
    if (Wants(WM_QUIT, first, last) && TakeQuit(out, remove)) return true;
    DrainBackend();
    if (TakeInput(out, window, first, last, remove)) return true;
    if (Wants(WM_PAINT, first, last) && TakePaint(out, window)) return true;
    return Wants(WM_TIMER, first, last) && TakeTimer(out, window, remove);
}

// Real milliseconds until a timer the caller wants is due, -1 for none. A clock a test holds moves only
// when the test moves it, and wakes the thread then.
int TimerWait(HWND window, UINT first, UINT last) {
    if (!Wants(WM_TIMER, first, last)) return -1;
    int64_t due = MillisecondsToNextTimer(window);
    if (due < 0 || (due > 0 && kernel::ClockStandsStill())) return -1;
    return int(std::min<int64_t>(due, INT_MAX));
}

}  // namespace

bool TakeMessageOtherThanInput(MSG& message) {
    return TakePosted(message, nullptr, 0, 0, true) || TakePaint(message, nullptr) || TakeTimer(message, nullptr, true);
}

bool TakeInputEvent(backend::InputEvent& event, int timeoutMs) {
    auto& input = PendingInput();
    if (input.empty()) Receive(timeoutMs);
    if (input.empty()) return false;
    event = input.front();
    input.pop_front();
    return true;
}

int WaitBeforeNext(HWND window, UINT first, UINT last) {
    gdi::TellScreenCalls();
    int screen = ScreenPacer().BeforeWait();
    int timer = TimerWait(window, first, last);
    if (screen < 0 || timer < 0) return std::max(screen, timer);
    return std::min(screen, timer);
}

bool SessionEnding() { return TheSessionEnd() != SessionEnd::None; }

void AddLiveHandle(HWND window) {
    std::lock_guard<std::mutex> lock(TheQueue().mutex);
    TheQueue().live.insert(window);
}

void RemoveLiveHandle(HWND window) {
    std::lock_guard<std::mutex> lock(TheQueue().mutex);
    TheQueue().live.erase(window);
}

}  // namespace user

using namespace user;

BOOL WINAPI GetMessageA(LPMSG message, HWND window, UINT first, UINT last) {
    if (!message) return -1;
    for (;;) {
        if (Next(*message, window, first, last, true)) return message->message != WM_QUIT;
        Receive(WaitBeforeNext(window, first, last));
    }
}

BOOL WINAPI PeekMessageA(LPMSG message, HWND window, UINT first, UINT last, UINT remove) {
    if (!message) return FALSE;
    return Next(*message, window, first, last, (remove & PM_REMOVE) != 0);
}

BOOL WINAPI TranslateMessage(const MSG* message) {
    if (!message || message->message != WM_KEYDOWN) return FALSE;
    char c = CharOfKeyDown(*message);
    if (!c) return FALSE;
    PostMessageA(message->hwnd, WM_CHAR, WPARAM(uint8_t(c)), message->lParam & 0xFFFF);
    return TRUE;
}

LRESULT WINAPI DispatchMessageA(const MSG* message) {
    if (!message) return 0;
    Window* w = FindWindow(message->hwnd);
    if (!w || !w->proc) return 0;
    return w->proc(message->hwnd, message->message, message->wParam, message->lParam);
}

LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = FindWindow(window);
    if (!w || !w->proc) return 0;
    return w->proc(window, message, wParam, lParam);
}

BOOL WINAPI PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Queue& q = TheQueue();
    {
        std::lock_guard<std::mutex> lock(q.mutex);
        if (window && !q.live.count(window)) return FALSE;
        q.posted.push_back(MSG{window, message, wParam, lParam, MessageTime(), {}});
    }
    backend::Wake();
    return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
    Queue& q = TheQueue();
    std::lock_guard<std::mutex> lock(q.mutex);
    q.quit = true;
    q.quitCode = exitCode;
}
