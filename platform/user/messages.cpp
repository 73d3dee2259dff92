// GetMessageA and its kin. Posted messages come first, then quitting, then input, then painting, as on
// Windows; only when all are empty does the thread show what it drew (when the display is ready) and wait.
#include <chrono>
#include <deque>
#include <mutex>
#include <set>

#include "input.h"
#include "pacing.h"
#include "platform/gdi/damage.h"
#include "platform/backend/display.h"
#include "queue.h"
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

Queue& TheQueue() {
    static Queue queue;
    return queue;
}

std::deque<backend::InputEvent>& PendingInput() {
    static std::deque<backend::InputEvent> input;
    return input;
}

bool Matches(const MSG& m, HWND window, UINT first, UINT last) {
    if (window && m.hwnd != window) return false;
    if (first == 0 && last == 0) return true;
    return m.message >= first && m.message <= last;
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
    if (remove) q.quit = false;
    return true;
}

void DrainBackend() {
    backend::InputEvent event;
    while (backend::NextEvent(event, 0)) PendingInput().push_back(event);
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
    if (TakePosted(out, window, first, last, remove)) return true;
    if ((first == 0 && last == 0) || (WM_QUIT >= first && WM_QUIT <= last))
        if (TakeQuit(out, remove)) return true;
    DrainBackend();
    if (TakeInput(out, window, first, last, remove)) return true;
    if ((first == 0 && last == 0) || (WM_PAINT >= first && WM_PAINT <= last))
        if (TakePaint(out, window)) return true;
    return false;
}

}  // namespace

bool TakeMessageOtherThanInput(MSG& message) {
    return TakePosted(message, nullptr, 0, 0, true) || TakePaint(message, nullptr);
}

bool TakeInputEvent(backend::InputEvent& event, int timeoutMs) {
    auto& input = PendingInput();
    if (!input.empty()) {
        event = input.front();
        input.pop_front();
        return true;
    }
    return backend::NextEvent(event, timeoutMs);
}

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
        gdi::TellScreenCalls();
        int wait = ScreenPacer().BeforeWait();
        backend::InputEvent event;
        if (backend::NextEvent(event, wait)) PendingInput().push_back(event);
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
