#include "platform/backend/sdl/event_wait.h"

namespace backend::sdl {

bool WaitEventTimeout(SDL_Event& e, int timeoutMs) { return SDL_WaitEventTimeout(&e, timeoutMs) != 0; }

}  // namespace backend::sdl
