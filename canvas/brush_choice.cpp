#include "canvas/brush_choice.h"

#include "base/colours.h"

namespace {

BrushChoice brush;

}  // namespace

const BrushChoice& CurrentBrush() { return brush; }

void ChooseColourFamily(int family) { brush.colourFamily = family; }

void ChooseShade(int shade) {
    brush.colourShade = shade;
    brush.currentColour = paletteColours[brush.colourFamily * 10 + shade];
}

void ChoosePenWidth(int width) { brush.penWidth = width; }

void ChooseFillPattern(int pattern) { brush.fillPattern = pattern; }

void ChooseRainbow(bool on) { brush.rainbowMode = on; }

void UseColouringMode(bool on) { brush.colouringMode = on; }
