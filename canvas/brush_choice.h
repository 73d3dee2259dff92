// The colour and brush a child has chosen with the frame's buttons and the option strip's choosers: what
// every tool draws with. Only the choosing calls below change it.
#pragma once

#include "platform/win32.h"

struct BrushChoice {
    // Pure red until the first frame paint picks shade 5 of family 0.
    COLORREF currentColour = 255;
    int colourFamily = 0;
    int colourShade = 0;
    int penWidth = 1;
    // 1 is solid, 2 to 8 the hatches and the hollow pattern.
    int fillPattern = 2;
    // Each move of a rainbow tool takes a random family colour.
    bool rainbowMode = false;
    // A colouring picture is open: the spray keeps off its black outlines.
    bool colouringMode = false;
};

const BrushChoice& CurrentBrush();

// The family's colour button: the shade is chosen after it.
void ChooseColourFamily(int family);
// A shade of the current family, which becomes the current colour.
void ChooseShade(int shade);
void ChoosePenWidth(int width);
void ChooseFillPattern(int pattern);
void ChooseRainbow(bool on);
void UseColouringMode(bool on);
