// Shows a rectangle of the window's surface on the display, once the screen's pixels are in it. The browser
// build has its own, since SDL's would copy the whole canvas for every rectangle.
#pragma once

#include <SDL.h>

namespace backend::sdl {

void ShowWindowRect(SDL_Window* window, SDL_Surface* surface, const SDL_Rect& rect);

}  // namespace backend::sdl
