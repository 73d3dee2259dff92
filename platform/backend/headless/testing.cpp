#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

#include "platform/backend/headless/events.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/objects.h"
#include "platform/kernel/memory_blocks.h"
#include "platform/print/png.h"
#include "platform/testing/gdi.h"
#include "platform/testing/kernel.h"
#include "platform/testing/user.h"
#include "platform/user/window.h"

namespace testing {

namespace {

void Inject(backend::InputEvent::Kind kind, int x = 0, int y = 0) {
    backend::InputEvent e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    backend::headless::Inject(e);
}

struct Program {
    std::thread thread;
    int result = 0;
};

std::unique_ptr<Program>& TheProgram() {
    static std::unique_ptr<Program> program;
    return program;
}

}  // namespace

void UseScreen(int width, int height) { gdi::ResizeScreen(width, height); }

void Move(int x, int y) { Inject(backend::InputEvent::MouseMove, x, y); }
void Press(int x, int y) { Inject(backend::InputEvent::LeftDown, x, y); }
void Release(int x, int y) { Inject(backend::InputEvent::LeftUp, x, y); }
void RightPress(int x, int y) { Inject(backend::InputEvent::RightDown, x, y); }
void RequestClose() { Inject(backend::InputEvent::CloseRequest); }
void RequestEndSession() { Inject(backend::InputEvent::EndSession); }
void LoseFocus() { Inject(backend::InputEvent::FocusLost); }
void Expose() { Inject(backend::InputEvent::Exposed); }

void Type(const std::string& text) {
    for (char c : text) {
        backend::InputEvent e;
        e.kind = backend::InputEvent::Char;
        e.character = c;
        backend::headless::Inject(e);
    }
}

void Key(int virtualKey) {
    backend::InputEvent e;
    e.kind = backend::InputEvent::KeyDown;
    e.key = virtualKey;
    backend::headless::Inject(e);
}

bool PumpUntilIdle() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) return false;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return true;
}

void StartProgram(std::function<int()> entry) {
    auto program = std::make_unique<Program>();
    Program* p = program.get();
    p->thread = std::thread([p, entry] { p->result = entry(); });
    TheProgram() = std::move(program);
}

void WaitUntilIdle() { backend::headless::WaitUntilWaiting(); }

void PassTime(int64_t milliseconds) { backend::headless::PassTime(milliseconds); }

int WaitForExit() {
    auto& program = TheProgram();
    if (!program) return -1;
    program->thread.join();
    int result = program->result;
    program.reset();
    return result;
}

void AnswerMessageBox(int answer) { backend::headless::QueueBoxAnswer(answer); }

void LeaveMessageBoxOpen() { backend::headless::QueueBoxAnswer(0); }

std::vector<std::string> MessageBoxesShown() { return backend::headless::TakeBoxQuestions(); }

void UseDisplayRefresh(int64_t refreshMicroseconds) { backend::headless::UseFakeDisplay(refreshMicroseconds); }

Showings TakeShowings() { return backend::headless::TakeShowings(); }

COLORREF ScreenPixel(int x, int y) {
    gdi::Surface& s = gdi::ScreenSurface();
    if (!s.contains(x, y)) return CLR_INVALID;
    uint32_t p = s.at(x, y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool SaveScreenPng(const std::string& path) {
    const gdi::Surface& s = gdi::ScreenSurface();
    return print::WritePng(path, s.width, s.height, s.top, s.stride);
}

size_t LiveGdiObjects() { return gdi::LiveObjectCount(); }

size_t LiveMemoryBlocks() { return kernel::LiveBlockCount(); }

size_t LiveWindows() {
    size_t n = 0;
    user::ForEachWindow([&](user::Window*) { n++; });
    return n;
}

}  // namespace testing
