// A canvas for the program's benchmarks: the program itself started on a 1920 × 1080 headless screen.
#pragma once

#include <benchmark/benchmark.h>

#include "platform/win32.h"

// Starts the program on its own thread once and waits until it is idle; canvasWindow and appPalette are
// then ready for calls from the benchmark's thread while the program waits.
void StartBenchProgram();
// Ends the program if it was started, so the process can exit.
void StopBenchProgram();

// The benchmarks' main: runs them, then ends the program.
int RunProgramBenchmarks(int argc, char** argv);

// A stroke of the tools' benchmarks over the canvas: a point that wanders from move to move, a few pixels to
// a few dozen at a time, pressed, moved and released through injected input in canvas coordinates.
POINT Wander(int i);
void PressOnCanvas(POINT p);
// Moves along the wander from its second point, one move an iteration: the whole path, input queue, message
// loop and tool; then the release, with the number of moves as a counter.
void MoveAlongWander(benchmark::State& run);
// The same with ToolMove called directly as PWinProc calls it.
void ToolMoveAlongWander(benchmark::State& run);
