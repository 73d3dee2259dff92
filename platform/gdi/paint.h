// Painting spans of pixels with a pen's or brush's ink through the DC's clip.
#pragma once

#include <climits>
#include <cstdint>
#include <vector>

#include "dc.h"
#include "rop.h"

namespace gdi {

// What a pen or a brush puts down, with the DC's binary raster operation folded in.
struct Ink {
    enum Type { None, Solid, Hatch } type = None;
    Rop2Pair fore{0x00FFFFFF, 0};   // every pixel of a solid ink
    // A hatch: the operation for each pixel of its 8 × 8 cell, made by MakeHatch.
    Rop2Pair cell[8][8];
    bool cellReplaces = false;      // every pixel of the cell is replaced, none combined or kept
    int originX = 0, originY = 0;   // surface pixel where the hatch cell starts

    // rows: bit 0x80 is the leftmost pixel; set bits take fore, clear ones back, or stay when transparent.
    void MakeHatch(const uint8_t rows[8], const Rop2Pair& foreOp, const Rop2Pair& backOp, bool backTransparent);
    bool visible() const { return type != None; }
    const Rop2Pair* cellRow(int y) const { return cell[(int64_t(y) - originY) & 7]; }
    int cellColumn(int x) const { return int((int64_t(x) - originX) & 7); }
    uint32_t apply(int x, int y, uint32_t d) const {
        if (type == Solid) return fore.apply(d);
        return cellRow(y)[cellColumn(x)].apply(d);
    }
};

// The selected pen's ink (None for a null pen), and a brush's ink (the selected one by default).
Ink PenInk(const DeviceContext& dc);
Ink BrushInk(const DeviceContext& dc);
Ink BrushInk(const DeviceContext& dc, const Brush* brush, int rop2);
// The width of the selected pen in pixels (at least 1), 0 for a null pen.
int PenWidth(const DeviceContext& dc);

// The 8 rows of a hatch style.
const uint8_t* HatchRows(int hatch);

// Paints on a DC's surface, in surface coordinates, inside its clip. On the screen surface, what it painted
// is marked drawn when it ends.
class Painter {
public:
    explicit Painter(const DeviceContext& dc);
    ~Painter();
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;
    bool empty() const { return boxes_.empty(); }
    const Box& bounds() const { return bounds_; }
    // Pixels [x0, x1) of row y.
    void Span(int y, int x0, int x1, const Ink& ink);
    void Pixel(int x, int y, const Ink& ink);
    // Every pixel of the box: a column of rows painted at once rather than a span at a time.
    void FillBox(const Box& box, const Ink& ink);
    // For routines that walk the pixels of a clip box themselves, then say what they painted.
    const std::vector<Box>& boxes() const { return boxes_; }
    uint32_t* Address(int x, int y) const { return &surface_->at(x, y); }
    ptrdiff_t stride() const { return surface_->stride; }
    void Painted(const Box& b) {
        Touch(b.top, b.left, b.right);
        Touch(b.bottom - 1, b.left, b.right);
    }

private:
    void FillRun(uint32_t* row, int y, int x0, int x1, const Ink& ink);
    // Widens the bounds of what was painted by pixels [x0, x1) of row y.
    void Touch(int y, int x0, int x1) {
        if (x0 < touched_.left) touched_.left = x0;
        if (x1 > touched_.right) touched_.right = x1;
        if (y < touched_.top) touched_.top = y;
        if (y >= touched_.bottom) touched_.bottom = y + 1;
    }
    Surface* surface_;
    std::vector<Box> boxes_;
    Box bounds_;
    Box touched_{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};

}  // namespace gdi
