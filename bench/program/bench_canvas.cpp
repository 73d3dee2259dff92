#include "bench_canvas.h"

#include <benchmark/benchmark.h>

#include "canvas/tools.h"
#include "platform/testing.h"

namespace {

bool started = false;

// The canvas's client area on the screen: inside its border at (50, 72).
constexpr int kCanvasLeft = 52, kCanvasTop = 74;

void ReleaseAtWander(benchmark::State& run, int i) {
    POINT p = Wander(i);
    testing::Release(p.x + kCanvasLeft, p.y + kCanvasTop);
    testing::WaitUntilIdle();
    run.counters["moves"] = i;
}

}  // namespace

POINT Wander(int i) { return {300 + (i * 7) % 1200 + (i % 5) * 9, 200 + (i * 11) % 600 + (i % 3) * 6}; }

void PressOnCanvas(POINT p) { testing::Press(p.x + kCanvasLeft, p.y + kCanvasTop); }

void MoveAlongWander(benchmark::State& run) {
    int i = 1;
    for (auto _ : run) {
        POINT p = Wander(i++);
        testing::Move(p.x + kCanvasLeft, p.y + kCanvasTop);
        testing::WaitUntilIdle();
    }
    ReleaseAtWander(run, i);
}

void ToolMoveAlongWander(benchmark::State& run) {
    int i = 1;
    for (auto _ : run) ToolMove(Wander(i++));
    ReleaseAtWander(run, i);
}

void StartBenchProgram() {
    if (started) return;
    started = true;
    testing::UseScreen(1920, 1080);
    // The machine's own settings never count: no settings folder exists.
    testing::SetKnownFolder(CSIDL_APPDATA, "/nonexistent/dab-settings");
    testing::SetKnownFolder(CSIDL_COMMON_APPDATA, "/nonexistent/dab-settings");
    testing::StartProgram([] { return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL); });
    testing::WaitUntilIdle();
}

void StopBenchProgram() {
    if (!started) return;
    testing::RequestClose();
    testing::WaitForExit();
    started = false;
}

int RunProgramBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    StopBenchProgram();
    return 0;
}
