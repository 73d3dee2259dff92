#include <cstring>

#include "canvas/text.h"

namespace {

LOGFONTA textFont;

}  // namespace

void InitialiseTextFont() {
    std::memset(&textFont, 0, sizeof textFont);
    textFont.lfHeight = 26;
    textFont.lfWidth = 10;
    textFont.lfWeight = FW_BOLD;
    textFont.lfQuality = PROOF_QUALITY;
    textFont.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    std::strcpy(textFont.lfFaceName, "Times New Roman");
}

const LOGFONTA& TextFont() { return textFont; }
