// The canvas takes only the rectangle shown: the window's surface holds its pixels as the canvas does, red,
// green, blue and alpha a byte each, so the rectangle's rows go into the canvas as they are.
#include "platform/backend/sdl/window_update.h"

extern "C" void dab_show_canvas_rect(const void* pixels, int pitch, int x, int y, int width, int height);

namespace backend::sdl {

void ShowWindowRect(SDL_Window*, SDL_Surface* surface, const SDL_Rect& rect) {
    SDL_Rect shown;
    SDL_Rect whole{0, 0, surface->w, surface->h};
    if (!SDL_IntersectRect(&rect, &whole, &shown)) return;
    dab_show_canvas_rect(surface->pixels, surface->pitch, shown.x, shown.y, shown.w, shown.h);
}

}  // namespace backend::sdl
