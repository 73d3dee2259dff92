// A set of pixels kept as sorted spans per row: the outline of a wide pen, a filled shape.
// Painting an area touches each pixel once, so XOR pens never paint a pixel twice in one call.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "paint.h"

namespace gdi {

struct Span {
    int left, right;  // [left, right)
};

class Area {
public:
    void Add(int y, int left, int right);  // union
    void Add(const Area& other);
    void Subtract(const Area& other);
    bool Contains(int x, int y) const;
    bool empty() const { return rows_.empty(); }
    const std::map<int, std::vector<Span>>& rows() const { return rows_; }
    // Paints every pixel of the area, given in surface coordinates.
    void Paint(Painter& painter, const Ink& ink) const;

private:
    std::map<int, std::vector<Span>> rows_;
};

}  // namespace gdi
