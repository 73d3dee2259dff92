#include <cstring>

#include "canvas/text.h"

LOGFONTA textFont;

void InitialiseTextFont() {
    std::memset(&textFont, 0, sizeof textFont);
    textFont.lfHeight = 26;
    textFont.lfWidth = 10;
    textFont.lfWeight = 700;
    textFont.lfQuality = 2;
    textFont.lfPitchAndFamily = 0x12;
    std::strcpy(textFont.lfFaceName, "Times New Roman");
}
