#include "paint.h"

#include <algorithm>
#include <cstring>

#include "colour.h"
#include "damage.h"

namespace gdi {

const uint8_t* HatchRows(int hatch) {
    static const uint8_t kHatches[6][8] = {
        {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // horizontal
        {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // vertical
        {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // forward diagonal
        {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // backward diagonal
        {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},  // cross
        {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
    };
    return kHatches[hatch >= 0 && hatch < 6 ? hatch : 0];
}

Ink PenInk(const DeviceContext& dc) {
    Ink ink;
    const Pen* pen = FindPen(dc.pen);
    if (!pen || pen->style == PS_NULL) return ink;
    ink.type = Ink::Solid;
    ink.fore = MakeRop2(dc.rop2, PenPixel(dc, pen->colour));
    return ink;
}

int PenWidth(const DeviceContext& dc) {
    const Pen* pen = FindPen(dc.pen);
    if (!pen || pen->style == PS_NULL) return 0;
    return pen->width < 1 ? 1 : pen->width;
}

Ink BrushInk(const DeviceContext& dc, const Brush* brush, int rop2) {
    Ink ink;
    if (!brush || brush->style == BS_NULL) return ink;
    ink.fore = MakeRop2(rop2, PenPixel(dc, brush->colour));
    if (brush->style == BS_HATCHED) {
        ink.type = Ink::Hatch;
        ink.MakeHatch(HatchRows(brush->hatch), ink.fore, MakeRop2(rop2, PenPixel(dc, dc.bkColour)),
                      dc.bkMode == TRANSPARENT);
        ink.originX = dc.origin.x;
        ink.originY = dc.origin.y;
    } else {
        ink.type = Ink::Solid;
    }
    return ink;
}

void Ink::MakeHatch(const uint8_t rows[8], const Rop2Pair& foreOp, const Rop2Pair& backOp, bool backTransparent) {
    const Rop2Pair keep{0x00FFFFFF, 0};
    cellReplaces = true;
    for (int y = 0; y < 8; y++) {
        for (int x = 0; x < 8; x++) {
            bool set = (rows[y] << x) & 0x80;
            cell[y][x] = set ? foreOp : backTransparent ? keep : backOp;
            cellReplaces = cellReplaces && cell[y][x].andMask == 0;
        }
    }
}

Ink BrushInk(const DeviceContext& dc) { return BrushInk(dc, FindBrush(dc.brush), dc.rop2); }

Painter::Painter(const DeviceContext& dc) : surface_(dc.surface), boxes_(ClipBoxes(dc)), bounds_(BoundsOf(boxes_)) {}

Painter::~Painter() {
    if (surface_ == &ScreenSurface() && !touched_.empty()) MarkScreen(touched_);
}

void Painter::FillRun(uint32_t* row, int y, int x0, int x1, const Ink& ink) {
    if (ink.type == Ink::Solid) {
        const Rop2Pair r = ink.fore;  // a copy, which the stores to the row cannot change
        if (r.andMask == 0) {
            std::fill(row + x0, row + x1, r.xorMask);
        } else if (!r.leavesDestination()) {
            for (int x = x0; x < x1; x++) row[x] = r.apply(row[x]);
        }
        return;
    }
    const Rop2Pair* ops = ink.cellRow(y);
    int k = ink.cellColumn(x0);
    if (ink.cellReplaces) {
        // The row's 8 pixels starting at x0, copied 8 at a time.
        uint32_t eight[8];
        for (int j = 0; j < 8; j++) eight[j] = ops[(k + j) & 7].xorMask;
        int x = x0;
        for (; x + 8 <= x1; x += 8) std::memcpy(row + x, eight, sizeof eight);
        for (int j = 0; x < x1; x++, j++) row[x] = eight[j];
        return;
    }
    uint32_t andMasks[8], xorMasks[8];
    for (int j = 0; j < 8; j++) andMasks[j] = ops[(k + j) & 7].andMask, xorMasks[j] = ops[(k + j) & 7].xorMask;
    int x = x0;
    for (; x + 8 <= x1; x += 8)
        for (int j = 0; j < 8; j++) row[x + j] = (row[x + j] & andMasks[j]) ^ xorMasks[j];
    for (int j = 0; x < x1; x++, j++) row[x] = (row[x] & andMasks[j]) ^ xorMasks[j];
}

void Painter::Span(int y, int x0, int x1, const Ink& ink) {
    if (!ink.visible() || y < bounds_.top || y >= bounds_.bottom) return;
    x0 = std::max(x0, bounds_.left);
    x1 = std::min(x1, bounds_.right);
    if (x0 >= x1) return;
    uint32_t* row = surface_->row(y);
    for (const Box& b : boxes_) {
        if (y < b.top || y >= b.bottom) continue;
        int l = std::max(x0, b.left), r = std::min(x1, b.right);
        if (l < r) {
            FillRun(row, y, l, r, ink);
            Touch(y, l, r);
        }
    }
}

void Painter::FillBox(const Box& box, const Ink& ink) {
    if (!ink.visible()) return;
    for (const Box& clip : boxes_) {
        Box b = Intersect(box, clip);
        if (b.empty()) continue;
        for (int y = b.top; y < b.bottom; y++) FillRun(surface_->row(y), y, b.left, b.right, ink);
        Painted(b);
    }
}

void Painter::Pixel(int x, int y, const Ink& ink) {
    if (!ink.visible()) return;
    for (const Box& b : boxes_) {
        if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) {
            uint32_t& p = surface_->at(x, y);
            p = ink.apply(x, y, p);
            Touch(y, x, x + 1);
            return;
        }
    }
}

}  // namespace gdi
