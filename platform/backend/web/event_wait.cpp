// The page's wait for input: the program sleeps until the browser has input for SDL or the time is up,
// rather than every millisecond.
#include "platform/backend/sdl/event_wait.h"

extern "C" void dab_wait_for_input(int milliseconds);

namespace backend::sdl {

bool WaitEventTimeout(SDL_Event& e, int timeoutMs) {
    Uint64 deadline = SDL_GetTicks64() + Uint64(timeoutMs > 0 ? timeoutMs : 0);
    for (;;) {
        if (SDL_PollEvent(&e)) return true;
        Uint64 now = SDL_GetTicks64();
        if (now >= deadline) return false;
        dab_wait_for_input(int(deadline - now));
    }
}

}  // namespace backend::sdl
