#include "platform/backend/sdl/signals.h"

#include <signal.h>

#include <initializer_list>

namespace backend::sdl {

namespace {

volatile sig_atomic_t sessionSignal = 0;

// All a handler may safely do is set a flag; the thread that waits for events looks at it.
void OnSessionSignal(int) { sessionSignal = 1; }

}  // namespace

void CatchSessionSignals() {
    struct sigaction action {};
    action.sa_handler = OnSessionSignal;
    sigemptyset(&action.sa_mask);
    // Files being written when the signal comes go on being written.
    action.sa_flags = SA_RESTART;
    for (int each : {SIGTERM, SIGHUP, SIGINT}) sigaction(each, &action, nullptr);
}

bool TakeSessionSignal() {
    if (!sessionSignal) return false;
    sessionSignal = 0;
    return true;
}

}  // namespace backend::sdl
