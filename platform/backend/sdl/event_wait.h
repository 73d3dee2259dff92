// Waits up to a number of milliseconds for the next event; true with it in e. The browser build has its own:
// SDL's looks for events every millisecond, a wake-up of the page each time.
#pragma once

#include <SDL.h>

namespace backend::sdl {

bool WaitEventTimeout(SDL_Event& e, int timeoutMs);

}  // namespace backend::sdl
