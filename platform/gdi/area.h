// A set of pixels kept as spans of rows: the outline of a wide pen, a filled shape.
// Painting an area touches each pixel once, so XOR pens never paint a pixel twice in one call.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "paint.h"

namespace gdi {

class Area {
public:
    // Pixels [left, right) of row y, joined to what is there.
    void Add(int y, int left, int right) {
        if (left >= right) return;
        if (!spans_.empty()) {
            RowSpan& last = spans_.back();
            if (y == last.y && left >= last.left && left <= last.right) {
                last.right = std::max(last.right, right);
                return;
            }
            if (y < last.y || (y == last.y && left < last.left)) sorted_ = false;
        }
        spans_.push_back({y, left, right});
    }
    void Subtract(Area& other);
    void Reserve(size_t spans) { spans_.reserve(spans_.size() + spans); }
    // Every span of the shape moved by (dx, dy): rows outside bounds left out, ends held just outside them,
    // as the scan conversions do.
    void AddMoved(Area& shape, int64_t dx, int64_t dy, const Box& bounds);
    // Paints every pixel of the area, given in surface coordinates.
    void Paint(Painter& painter, const Ink& ink);

private:
    struct RowSpan {
        int y, left, right;
    };
    // Spans are collected as they come and put in order, overlaps joined, only when the area is used.
    void Sort();
    void SortByRow(int top, int64_t rows);

    std::vector<RowSpan> spans_;
    bool sorted_ = true;
};

}  // namespace gdi
