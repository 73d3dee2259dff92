// One mouse move of every tool state on a 1920 × 1080 canvas, at pen widths 1 and 8, two ways: the whole
// path (the move injected as input, the message loop dispatching it to PWinProc, the tool drawing) and
// ToolMove called directly as PWinProc calls it, which leaves out the input queue and the thread hand-over.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_canvas.h"
#include "options/choosers.h"
#include "platform/testing.h"
#include "shell/state.h"

namespace {

// Every state, those whose move does nothing included, so their cost shows as the dispatch alone.
constexpr int kStates[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                           21, 22, 23, 24, 25, 26, 30, 32, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46,
                           47, 48, 49, 50, 51, 52, 53, 54, 58, 61, 62};

void BeginStroke(int state, int width) {
    StartBenchProgram();
    if (!stampIcon) stampIcon = LoadIconA(appInstance, "ICON_1");
    toolState = state;
    penWidth = width;
    rainbowMode = 1;
    fillPattern = 7;
    soundOn = 0;
    PressOnCanvas(Wander(0));
    testing::WaitUntilIdle();
}

void WholePath(benchmark::State& run, int state) {
    BeginStroke(state, int(run.range(0)));
    MoveAlongWander(run);
}

void DirectToolMove(benchmark::State& run, int state) {
    BeginStroke(state, int(run.range(0)));
    ToolMoveAlongWander(run);
}

void RegisterToolBenchmarks() {
    for (int state : kStates) {
        std::string name = "State" + std::to_string(state);
        benchmark::RegisterBenchmark((name + "/WholePath").c_str(), WholePath, state)
            ->Arg(1)->Arg(8)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((name + "/ToolMove").c_str(), DirectToolMove, state)
            ->Arg(1)->Arg(8)->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace

int main(int argc, char** argv) {
    RegisterToolBenchmarks();
    return RunProgramBenchmarks(argc, argv);
}
