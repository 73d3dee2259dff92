// The built-in font: the face every logical font is drawn with when no font is installed, so that a
// message box or the text tool still shows its words.
#pragma once

#include <memory>

#include "font_face.h"

namespace gdi {

// The built-in design scaled to the logical font's height, and to its width when it gives one.
std::unique_ptr<FontFace> OpenBuiltInFace(const LOGFONTA& log);

}  // namespace gdi
