// The brush a filling tool makes for fillPattern in a colour: hatches for 3 to 8.
#pragma once

#include "draw/canvas_drawing.h"

// The hatch style for patterns 3 to 8, -1 for any other pattern.
int FillPatternHatch(int pattern);
// Patterns 3 to 8 the hatch, 1 the hollow brush when hollowAllowed, anything else solid.
HBRUSH MakeFillBrush(CanvasDrawing& drawing, int pattern, COLORREF colour, bool hollowAllowed);
