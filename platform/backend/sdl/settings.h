// A parent's display settings, which only the backend can apply: Scale= and Window= in section [dab] of
// dab.ini.
#pragma once

#include <optional>

#include "platform/backend/sdl/rules.h"

namespace backend::sdl {

struct DisplaySettings {
    std::optional<int> scale;          // nothing: the rule of WholeScale
    std::optional<ScreenSize> window;  // Window=WxH; nothing ("full" or a bad value): the full screen
};

// Each key from the first of the user's and the system's dab.ini that has it (~/.config/dab or
// $XDG_CONFIG_HOME/dab, then /etc/dab). A bad value is the default: the program names it.
DisplaySettings ReadDisplaySettings();

}  // namespace backend::sdl
