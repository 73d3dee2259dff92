// A canvas for the program's benchmarks: the program itself started on a 1920 × 1080 headless screen.
#pragma once

#include "platform/win32.h"

// Starts the program on its own thread once and waits until it is idle; canvasWindow and appPalette are
// then ready for calls from the benchmark's thread while the program waits.
void StartBenchProgram();
// Ends the program if it was started, so the process can exit.
void StopBenchProgram();

// The benchmarks' main: runs them, then ends the program.
int RunProgramBenchmarks(int argc, char** argv);
