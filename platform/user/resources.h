// The program's resources: icons, cursors and strings compiled into it from resources/dab.rc, found by
// name (any case) or number as LoadIconA, LoadCursorA and LoadStringA ask.
#pragma once

#include <cstddef>
#include <cstdint>

#include "cursors.h"

namespace user {

struct Resource {
    enum Type { Icon, Cursor, String } type;
    const char* name;        // icons and cursors
    unsigned id;             // strings
    const uint8_t* data;     // icons and cursors: the .ico or .cur file
    size_t size;
    const char* text;        // strings
};

// The program's table; the build makes it from the resource script.
void UseResources(const Resource* resources, size_t count);

// An icon or cursor that LoadIconA or LoadCursorA handed out: shared by every caller that loads the same
// name, so destroying it leaves it as it is, as Windows does with shared icons.
bool IsSharedResource(const void* handle);

// The first image of an .ico or .cur file, or false when the bytes are not one this layer draws
// (32 × 32, 1 or 4 bits a pixel).
bool ParseIcon(const uint8_t* data, size_t size, user::Icon& icon);
bool ParseCursor(const uint8_t* data, size_t size, backend::CursorImage& cursor);

}  // namespace user
