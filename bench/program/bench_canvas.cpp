#include "bench_canvas.h"

#include <benchmark/benchmark.h>

#include "platform/testing.h"

namespace {

bool started = false;

}  // namespace

void StartBenchProgram() {
    if (started) return;
    started = true;
    testing::UseScreen(1920, 1080);
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
