// The region tools and the text tool on a 1920 × 1080 canvas: one mouse move of a region's rubber outline
// and of a moving selection (the whole path, as tools_bench measures it, and ToolMove alone), each
// region release over the whole canvas, and one keystroke of a 200-character text.
#include <benchmark/benchmark.h>

#include <string>

#include "base/frame_layout.h"
#include "base/sound.h"
#include "base/state.h"
#include "bench_canvas.h"
#include "canvas/selection.h"
#include "canvas/text.h"
#include "canvas/tools.h"
#include "platform/testing.h"

namespace {

// The region drags, and the move of a grabbed selection.
constexpr ToolState kMovingStates[] = {kWhiteRectangleState, kTurnState, kMirrorState, kInvertState,
                                       kShrinkState, kZoomState, kSelectState, kMoveSelectionState};

void StartStroke(int state) {
    StartBenchProgram();
    if (SoundIsOn()) SwitchSound();
    if (state == kMoveSelectionState) {
        // A selection dragged out and kept on the screen: the press inside it picks it up.
        SetToolState(kSelectState);
        SetSelectionMode(kCutSelection);
        PressOnCanvas({200, 150});
        testing::Move(900 + kCanvasLeft, 600 + kCanvasTop);
        testing::Release(900 + kCanvasLeft, 600 + kCanvasTop);
        PressOnCanvas({400, 300});
    } else {
        SetToolState(ToolState(state));
        PressOnCanvas(Wander(0));
    }
    testing::WaitUntilIdle();
}

void WholePathMove(benchmark::State& run, int state) {
    StartStroke(state);
    MoveAlongWander(run);
}

void DirectMove(benchmark::State& run, int state) {
    StartStroke(state);
    ToolMoveAlongWander(run);
}

// The release of a region from (x1, y1) to (x2, y2), pressed and released as PWinProc does it.
void Release(benchmark::State& run, int state, RECT r) {
    StartBenchProgram();
    if (SoundIsOn()) SwitchSound();
    for (auto _ : run) {
        SetToolState(ToolState(state));
        ToolPress({r.left, r.top});
        ToolRelease({r.right, r.bottom});
    }
    SetToolState(kNoToolState);
}

// Typing at the end of a 200-character text: a character, then a backspace, over and over.
void TextKeystroke(benchmark::State& run) {
    StartBenchProgram();
    AwaitTextPlace();
    PressOnCanvas({40, 40});
    testing::WaitUntilIdle();
    for (int i = 0; i < 199; i++) TypeTextChar(i % 6 == 5 ? ' ' : 'a' + i % 26);
    int i = 0;
    for (auto _ : run) TypeTextChar(i++ % 2 ? 8 : 'q');
    FinishText();
}

void RegisterRegionBenchmarks() {
    for (int state : kMovingStates) {
        std::string name = "State" + std::to_string(state);
        benchmark::RegisterBenchmark((name + "/WholePath").c_str(), WholePathMove, state)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((name + "/ToolMove").c_str(), DirectMove, state)->Unit(benchmark::kMicrosecond);
    }
    const RECT whole{0, 0, 1870, 1008}, half{467, 252, 1402, 756};
    struct Named {
        const char* name;
        ToolState state;
        RECT r;
    };
    const Named releases[] = {{"Release/TurnWholeCanvas", kTurnState, whole},
                              {"Release/MirrorWholeCanvas", kMirrorState, whole},
                              {"Release/InvertWholeCanvas", kInvertState, whole},
                              {"Release/ShrinkIntoHalf", kShrinkState, half},
                              {"Release/ShrinkIntoWhole", kShrinkState, whole},
                              {"Release/ZoomHalf", kZoomState, half},
                              {"Release/ZoomWhole", kZoomState, whole},
                              {"Release/WhiteWholeCanvas", kWhiteRectangleState, whole}};
    for (const Named& n : releases)
        benchmark::RegisterBenchmark(n.name, Release, n.state, n.r)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Text/KeystrokeOf200Characters", TextKeystroke)->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
    RegisterRegionBenchmarks();
    return RunProgramBenchmarks(argc, argv);
}
