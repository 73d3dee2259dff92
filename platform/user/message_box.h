// Message boxes drawn by the layer on the screen over the program's windows.
#pragma once

#include <string>

#include "platform/win32.h"

namespace user {

// Tests answer boxes instead of a person: given the caption, the text and the type, the button chosen, or
// 0 to leave the box open to keys, clicks and the end of the session.
using BoxAnswerer = int (*)(const std::string& caption, const std::string& text, UINT type);
// Sets it, giving back the one before; without one a box waits for a click or a key.
BoxAnswerer SetBoxAnswerer(BoxAnswerer answerer);

}  // namespace user
