#include "draw/fill_brush.h"

namespace {

constexpr int kSolidPattern = 2, kHollowPattern = 1;

bool IsHollow(int pattern, HollowPatterns hollow) {
    switch (hollow) {
        case kPatternOneHollow: return pattern == kHollowPattern;
        case kAllButSolidHollow: return pattern != kSolidPattern;
        case kNeverHollow: break;
    }
    return false;
}

}  // namespace

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

HBRUSH MakeFillBrush(Drawing& drawing, int pattern, COLORREF colour, HollowPatterns hollow) {
    int hatch = FillPatternHatch(pattern);
    if (hatch >= 0) return drawing.MakeHatchBrush(hatch, colour);
    if (IsHollow(pattern, hollow)) return drawing.MakeHollowBrush();
    return drawing.MakeSolidBrush(colour);
}
