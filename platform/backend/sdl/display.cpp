// The SDL2 backend's screen and input: one borderless window, full screen or DAB_SCREEN=WxH or as a
// parent's dab.ini sets it (Window=, Scale=), the logical screen scaled by a whole number on large
// displays, desktop events turned into input events, and the signals of a logout into the end of the
// session. The screen reaches the display through the window's own surface, a rectangle at a time: a
// present costs what it shows, not the size of the display.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/backend/display.h"
#include "platform/backend/sdl/event_wait.h"
#include "platform/backend/sdl/rules.h"
#include "platform/backend/sdl/settings.h"
#include "platform/backend/sdl/signals.h"
#include "platform/backend/sdl/window_update.h"
#include "platform/gdi/dc.h"
#include "platform/win32.h"

namespace backend {

namespace {

struct Display {
    SDL_Window* window = nullptr;
    SDL_Surface* screen = nullptr;  // the screen surface's pixels, seen by SDL
    SDL_Cursor* cursor = nullptr;
    const CursorImage* shown = nullptr;
    int scale = 1;
    Uint32 wakeEvent = 0;
    int64_t refreshMicroseconds = 1000000 / 60;
};

Display& TheDisplay() {
    static Display display;
    return display;
}

// DAB_SCREEN=WxH, when it names a usable size: the logical screen itself, shown once, whatever dab.ini
// says, so that development and the tests see the same screen everywhere.
std::optional<sdl::ScreenSize> RequestedSize() {
    const char* value = std::getenv("DAB_SCREEN");
    return value ? sdl::ParseScreenSize(value) : std::nullopt;
}

int VirtualKey(SDL_Keycode key) {
    switch (key) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return VK_RETURN;
        case SDLK_ESCAPE: return VK_ESCAPE;
        case SDLK_BACKSPACE: return VK_BACK;
        case SDLK_TAB: return VK_TAB;
        case SDLK_DELETE: return VK_DELETE;
        case SDLK_LEFT: return VK_LEFT;
        case SDLK_RIGHT: return VK_RIGHT;
        case SDLK_UP: return VK_UP;
        case SDLK_DOWN: return VK_DOWN;
        default: return 0;
    }
}

// SDL's wait does not end for a signal: a wait without limit goes in slices this long, the signals looked
// at between them. Each slice costs a wake-up, nothing more.
constexpr Uint64 kSignalLookMilliseconds = 100;

enum class Waited { Event, Nothing, SessionSignal };

Waited WaitForEvent(SDL_Event& e, int timeoutMs) {
    Uint64 deadline = SDL_GetTicks64() + Uint64(std::max(timeoutMs, 0));
    for (;;) {
        if (sdl::TakeSessionSignal()) return Waited::SessionSignal;
        Uint64 now = SDL_GetTicks64();
        if (timeoutMs >= 0 && now >= deadline) return SDL_PollEvent(&e) ? Waited::Event : Waited::Nothing;
        Uint64 slice = timeoutMs < 0 ? kSignalLookMilliseconds : std::min(deadline - now, kSignalLookMilliseconds);
        if (sdl::WaitEventTimeout(e, int(slice))) return Waited::Event;
    }
}

// SDL falls back to drivers that show nothing when it finds no display, and a program nobody sees would
// run for ever: those drivers serve only when SDL_VIDEODRIVER names them.
bool OnRealDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver) return false;
    if (SDL_strcasecmp(driver, "offscreen") != 0 && SDL_strcasecmp(driver, "dummy") != 0) return true;
    const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    for (std::string_view names = asked ? asked : ""; !names.empty();) {
        std::string_view name = names.substr(0, names.find(','));
        if (name.size() == std::strlen(driver) && SDL_strncasecmp(name.data(), driver, name.size()) == 0) return true;
        names.remove_prefix(std::min(names.size(), name.size() + 1));
    }
    return false;
}

}  // namespace

bool OpenDisplay() {
    Display& d = TheDisplay();
    // The program hears of the end of the session itself, and a close is only ever the window's own.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl::CatchSessionSignals();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0 || !OnRealDisplay()) {
        std::fprintf(stderr, "dab: no display\n");
        return false;
    }
    // The window's surface straight in the system's shared memory: uploading a rectangle then costs its
    // pixels, where a rendered window surface would copy and draw the whole texture each time.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    int width = 0, height = 0, x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED;
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_SHOWN;
    if (std::optional<sdl::ScreenSize> requested = RequestedSize()) {
        width = requested->width;
        height = requested->height;
    } else {
        // The parent's window, or the whole display, divided by the scale.
        sdl::DisplaySettings settings = sdl::ReadDisplaySettings();
        sdl::ScreenSize area;
        if (settings.window) {
            area = *settings.window;
        } else {
            SDL_DisplayMode mode;
            if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
                std::fprintf(stderr, "dab: no display\n");
                return false;
            }
            area = {mode.w, mode.h};
            flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        }
        sdl::ScreenSize usable = sdl::AtLeastSmallest(area);
        if (usable != area) {
            std::fprintf(stderr, "dab: %dx%d is too small; dab runs in a window of %dx%d\n", area.width, area.height,
                         usable.width, usable.height);
            // A display too small for the window shows its top-left corner, the colours and the tools.
            if (flags & SDL_WINDOW_FULLSCREEN_DESKTOP) x = y = 0;
            flags &= ~Uint32(SDL_WINDOW_FULLSCREEN_DESKTOP);
            area = usable;
        }
        d.scale = sdl::ChosenScale(area.width, area.height, settings.scale);
        width = area.width / d.scale;
        height = area.height / d.scale;
    }
    d.window = SDL_CreateWindow("dab", x, y, width * d.scale, height * d.scale, flags);
    if (!d.window) {
        std::fprintf(stderr, "dab: no window: %s\n", SDL_GetError());
        return false;
    }
    gdi::ResizeScreen(width, height);
    gdi::Surface& screen = gdi::ScreenSurface();
    d.screen = SDL_CreateRGBSurfaceWithFormatFrom(screen.top, width, height, 32, int(screen.stride * 4),
                                                 SDL_PIXELFORMAT_RGB888);
    if (!d.screen) return false;
    SDL_DisplayMode shown;
    if (SDL_GetWindowDisplayMode(d.window, &shown) == 0 && shown.refresh_rate > 0)
        d.refreshMicroseconds = 1000000 / shown.refresh_rate;
    d.wakeEvent = SDL_RegisterEvents(1);
    SDL_StartTextInput();
    return true;
}

void Present(int left, int top, int right, int bottom) {
    Display& d = TheDisplay();
    if (!d.screen || left >= right || top >= bottom) return;
    // Fetched each time: SDL makes the window's surface anew when the window changes size.
    SDL_Surface* shown = SDL_GetWindowSurface(d.window);
    if (!shown) return;
    SDL_Rect from{left, top, right - left, bottom - top};
    SDL_Rect to{left * d.scale, top * d.scale, from.w * d.scale, from.h * d.scale};
    if (d.scale == 1)
        SDL_BlitSurface(d.screen, &from, shown, &to);
    else
        SDL_BlitScaled(d.screen, &from, shown, &to);
    sdl::ShowWindowRect(d.window, shown, to);
}

int64_t RefreshMicroseconds() { return TheDisplay().refreshMicroseconds; }

bool NextEvent(InputEvent& event, int timeoutMs) {
    Display& d = TheDisplay();
    static char typed[32];
    static int typedCount = 0, typedNext = 0;
    if (typedNext < typedCount) {
        event = InputEvent{};
        event.kind = InputEvent::Char;
        event.character = typed[typedNext++];
        return true;
    }
    SDL_Event e;
    Waited waited = WaitForEvent(e, timeoutMs);
    if (waited == Waited::SessionSignal) {
        event = InputEvent{};
        event.kind = InputEvent::EndSession;
        return true;
    }
    for (bool got = waited == Waited::Event; got; got = SDL_PollEvent(&e)) {
        event = InputEvent{};
        switch (e.type) {
            case SDL_MOUSEMOTION:
                event.kind = InputEvent::MouseMove;
                // The window's pixels are the screen's scaled by a whole number.
                event.x = e.motion.x / d.scale;
                event.y = e.motion.y / d.scale;
                return true;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP: {
                bool down = e.type == SDL_MOUSEBUTTONDOWN;
                if (e.button.button == SDL_BUTTON_LEFT)
                    event.kind = down ? InputEvent::LeftDown : InputEvent::LeftUp;
                else if (e.button.button == SDL_BUTTON_RIGHT)
                    event.kind = down ? InputEvent::RightDown : InputEvent::RightUp;
                else
                    break;
                event.x = e.button.x / d.scale;
                event.y = e.button.y / d.scale;
                return true;
            }
            case SDL_TEXTINPUT:
                typedCount = sdl::TypedCharacters(e.text.text, typed);
                typedNext = 0;
                if (typedCount == 0) break;
                event.kind = InputEvent::Char;
                event.character = typed[typedNext++];
                return true;
            case SDL_KEYDOWN:
                event.key = VirtualKey(e.key.keysym.sym);
                if (!event.key) break;
                event.kind = InputEvent::KeyDown;
                return true;
            // Without SDL's signal handlers it only follows the window's close, which is on its way already.
            case SDL_QUIT: break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
                    event.kind = InputEvent::CloseRequest;
                    return true;
                }
                if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST || e.window.event == SDL_WINDOWEVENT_MINIMIZED) {
                    event.kind = InputEvent::FocusLost;
                    return true;
                }
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED) {
                    event.kind = InputEvent::Exposed;
                    return true;
                }
                break;
            default:
                // A wake-up, or something the program never hears of.
                if (e.type == d.wakeEvent) return false;
                break;
        }
    }
    return false;
}

void Wake() {
    SDL_Event e{};
    e.type = TheDisplay().wakeEvent;
    if (e.type) SDL_PushEvent(&e);
}

void Minimize() {
    if (TheDisplay().window) SDL_MinimizeWindow(TheDisplay().window);
}

void ShowCursorImage(const CursorImage* image) {
    Display& d = TheDisplay();
    if (!image) {
        SDL_ShowCursor(SDL_DISABLE);
        d.shown = nullptr;
        return;
    }
    // The window under the mouse sets its cursor on every move; only a change reaches the system.
    if (image == d.shown) return;
    d.shown = image;
    Uint8 data[128], mask[128];
    sdl::CursorPlanes(*image, data, mask);
    // Drawn as many times larger as the screen, so that the pointer keeps its size beside the buttons.
    std::vector<uint8_t> scaledData = sdl::ScaledCursorPlane(data, d.scale);
    std::vector<uint8_t> scaledMask = sdl::ScaledCursorPlane(mask, d.scale);
    SDL_Cursor* cursor = SDL_CreateCursor(scaledData.data(), scaledMask.data(), 32 * d.scale, 32 * d.scale,
                                          image->hotX * d.scale, image->hotY * d.scale);
    if (!cursor) return;
    SDL_SetCursor(cursor);
    SDL_ShowCursor(SDL_ENABLE);
    if (d.cursor) SDL_FreeCursor(d.cursor);
    d.cursor = cursor;
}

}  // namespace backend
