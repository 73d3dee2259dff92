// One mouse move of every tool state on a 1920 × 1080 canvas, at pen widths 1 and 8, two ways: the whole
// path (the move injected as input, the message loop dispatching it to PWinProc, the tool drawing) and
// ToolMove called directly as PWinProc calls it, which leaves out the input queue and the thread hand-over.
#include <benchmark/benchmark.h>

#include <string>

#include "base/sound.h"
#include "base/state.h"
#include "bench_canvas.h"
#include "canvas/brush_choice.h"
#include "canvas/stamp.h"
#include "canvas/tools.h"
#include "options/choosers.h"
#include "platform/testing.h"

namespace {

// Every state, those whose move does nothing included, so their cost shows as the dispatch alone.
constexpr ToolState kStates[] = {
    kNoToolState, kFreehandPenState, kSprayCanState, kFillState, kStarState, kOctagonState, kLineState,
    kFilledPolygonState, kWhiteRectangleState, kRectangleState, kEllipseState, kRightTriangleState,
    kIsoscelesTriangleState, kThinWhenFastState, kThickWhenFastState, kLineBurstState, kSmallEraserState,
    kLargeEraserState, kZigzagState, kConfettiCirclesState, kFuzzyPenState, kSlashNibState, kBackslashNibState,
    kVerticalNibState, kHorizontalNibState, kPointMirroredState, kWhitePolygonState, kStampState, kBirdsState,
    kFourWayState, kGrassState, kBubblesState, kFanState, kBoxState, kJitteryState, kShadeSprayState, kStripedState,
    kSpeckledState, kDrippingState, kConfettiSquaresState, kBlobState, kSparkleState, kRedGreenBlueState,
    kCrossHairState, kStripedReversedState, kTopToBottomState, kLeftToRightState, kSpeckledBlocksState, kSplatState,
    kCurtainState, kPixelScatterState, kForkPenState, kSparkCrossState,
};

void BeginStroke(int state, int width) {
    StartBenchProgram();
    if (!StampIcon()) ChooseStamp(1);
    SetToolState(ToolState(state));
    ChoosePenWidth(width);
    ChooseRainbow(true);
    ChooseFillPattern(7);
    if (SoundIsOn()) SwitchSound();
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
