// How DrawTextA lays text out: '&' prefixes, and where lines break.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/api/text.h"

namespace gdi {

// The characters shown once '&' prefixes are taken out: "&&" shows one '&', '&' before any other
// character underlines that character, and a last lone '&' shows as itself.
struct ShownText {
    std::string chars;
    std::vector<size_t> underlined;  // positions in chars, in order
};
ShownText StripPrefixes(std::string_view text);

// One line: the characters [begin, end) of the text.
struct TextLine {
    size_t begin = 0, end = 0;
};

// The lines DrawTextA draws for text whose character i is advances[i] pixels wide, in a rectangle
// width pixels wide, for the DT_SINGLELINE, DT_WORDBREAK and DT_EDITCONTROL bits of format.
// CR, LF, CR LF and LF CR each end a line; a break at the very end starts no further line.
// With word breaks a line that does not fit ends after its last space that fits (its trailing
// spaces belong to it), or at a space that does not fit, which is then dropped; a word longer than
// the line overflows it, or with DT_EDITCONTROL is cut where it no longer fits.
std::vector<TextLine> BreakLines(std::string_view text, const std::vector<int>& advances, long width, UINT format);

}  // namespace gdi
