#include "canvas/tool_colours.h"

#include "base/colours.h"
#include "base/random.h"
#include "base/state.h"
#include "canvas/brush_choice.h"

namespace {

// Three indices into paletteColours.
int shadeTriple[3];

}  // namespace

void UpdateShadeTriple() {
    int f = CurrentBrush().colourFamily * 10, s = CurrentBrush().colourShade;
    int first = s <= 3 ? f : f + s - 2;
    for (int i = 0; i < 3; i++) shadeTriple[i] = first + i;
}

COLORREF ShadeColour(int i) { return paletteColours[shadeTriple[i]]; }

COLORREF RainbowColour() {
    const BrushChoice& brush = CurrentBrush();
    return brush.rainbowMode ? paletteColours[RandomBelow(kFamilyColours)] : brush.currentColour;
}
