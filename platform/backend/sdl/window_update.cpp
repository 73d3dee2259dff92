#include "platform/backend/sdl/window_update.h"

namespace backend::sdl {

void ShowWindowRect(SDL_Window* window, SDL_Surface*, const SDL_Rect& rect) {
    SDL_UpdateWindowSurfaceRects(window, &rect, 1);
}

}  // namespace backend::sdl
