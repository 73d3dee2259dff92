// The colours the tools draw in: the current colour, the rainbow colour of a message and the three
// neighbouring shades of the current family.
#pragma once

#include "platform/win32.h"

// Three neighbouring shades of the current family around the current shade.
void UpdateShadeTriple();
// paletteColours[shadeTriple[i]].
COLORREF ShadeColour(int i);
// A random family colour in rainbow mode, else the current colour; one draw per call.
COLORREF RainbowColour();
