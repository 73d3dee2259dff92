#include "canvas/fill_brush.h"

int FillPatternHatch(int pattern) {
    switch (pattern) {
        case 3: return HS_BDIAGONAL;
        case 4: return HS_FDIAGONAL;
        case 5: return HS_HORIZONTAL;
        case 6: return HS_VERTICAL;
        case 7: return HS_DIAGCROSS;
        case 8: return HS_CROSS;
        default: return -1;
    }
}

HBRUSH MakeFillBrush(CanvasDrawing& drawing, int pattern, COLORREF colour, bool hollowAllowed) {
    int hatch = FillPatternHatch(pattern);
    if (hatch >= 0) return drawing.MakeHatchBrush(hatch, colour);
    if (pattern == 1 && hollowAllowed) return drawing.MakeHollowBrush();
    return drawing.MakeSolidBrush(colour);
}
