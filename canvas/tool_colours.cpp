#include "canvas/tool_colours.h"

#include "base/colours.h"
#include "base/random.h"
#include "base/state.h"

int shadeTriple[3];

void UpdateShadeTriple() {
    int f = colourFamily * 10, s = colourShade;
    int first = s <= 3 ? f : f + s - 2;
    for (int i = 0; i < 3; i++) shadeTriple[i] = first + i;
}

COLORREF ShadeColour(int i) { return paletteColours[shadeTriple[i]]; }

COLORREF RainbowColour() { return rainbowMode == 1 ? paletteColours[RandomBelow(kFamilyColours)] : currentColour; }
