// The signals that end a desktop session (SIGTERM and SIGHUP at a logout, SIGINT from a terminal), caught
// by the program itself instead of by SDL, which would turn them into a window's close or die of SIGHUP.
#pragma once

namespace backend::sdl {

// Catches the three from now on; SDL must be told to leave them alone before it starts.
void CatchSessionSignals();
// True once after one of them came.
bool TakeSessionSignal();

}  // namespace backend::sdl
