#include "canvas/tool_colours.h"

#include "base/colours.h"
#include "base/random.h"
#include "base/state.h"
#include "canvas/brush_choice.h"

int shadeTriple[3];

void UpdateShadeTriple() {
    int f = CurrentBrush().colourFamily * 10, s = CurrentBrush().colourShade;
    int first = s <= 3 ? f : f + s - 2;
    for (int i = 0; i < 3; i++) shadeTriple[i] = first + i;
}

COLORREF ShadeColour(int i) { return paletteColours[shadeTriple[i]]; }

COLORREF RainbowColour() { return CurrentBrush().rainbowMode ? paletteColours[RandomBelow(kFamilyColours)] : CurrentBrush().currentColour; }
