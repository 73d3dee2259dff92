// Font objects: a logical font as the caller described it, and the face it is drawn with.
#pragma once

#include <memory>

#include "objects.h"
#include "platform/api/text.h"

namespace gdi {

class FontFace;

struct Font : Object {
    Font() : Object(Kind::Font) {}
    LOGFONTA log{};
    // Made on first use: the installed font nearest the description, else the built-in one.
    std::shared_ptr<FontFace> face;
    bool faceLookedUp = false;
};

inline Font* FindFont(HGDIOBJ h) { return Find<Font>(h, Kind::Font); }

// The face a font is drawn with, looked up on first use; never null.
FontFace* FaceOf(Font& font);

// A stock font object for SYSTEM_FONT or DEFAULT_GUI_FONT, marked stock by the caller's table.
std::unique_ptr<Font> MakeStockFont(int index);

}  // namespace gdi
