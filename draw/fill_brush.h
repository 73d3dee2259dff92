// The brush of a fill pattern in a colour: patterns 3 to 8 are the hatches, 2 is solid, and whether a
// pattern that is neither gives the hollow brush depends on what is filled.
#pragma once

#include "draw/drawing.h"

// The hatch style of patterns 3 to 8, -1 for any other pattern.
int FillPatternHatch(int pattern);

// Which patterns that are not hatches give the hollow brush instead of the solid one.
enum HollowPatterns {
    // The flood fill: pattern 1 fills solid, since a hollow brush would fill nothing.
    kNeverHollow,
    // The filled polygon.
    kPatternOneHollow,
    // The finished shapes: every pattern but the solid one, so a shape given no pattern is an outline.
    kAllButSolidHollow,
};

HBRUSH MakeFillBrush(Drawing& drawing, int pattern, COLORREF colour, HollowPatterns hollow);
