#include "scan.h"

#include <algorithm>
#include <cstdlib>

namespace gdi {

namespace {

// Keeps span ends inside an int while still reaching past the surface on both sides.
int ClampX(int64_t x, const Box& bounds) {
    return int(std::clamp<int64_t>(x, int64_t(bounds.left) - 1, int64_t(bounds.right) + 1));
}

// An edge walked one row at a time: at row topY + t its x is x0 + ceil(t * dx / dy) walking right
// (ties kept on the left) and x0 - floor(t * -dx / dy) walking left, as the Bresenham edge walk rounds.
struct Edge {
    int64_t topY, bottomY;  // active for rows topY .. bottomY - 1
    int64_t x0, dx, dy;
    int64_t q = 0, rest = 0;    // floor and remainder of t * |dx| / dy at the current row
    int64_t stepQ = 0, stepRest = 0;

    void Start(int64_t y) {
        int64_t run = dx < 0 ? -dx : dx;
        __int128 n = __int128(y - topY) * run;
        q = int64_t(n / dy);
        rest = int64_t(n % dy);
        stepQ = run / dy;
        stepRest = run % dy;
    }
    // Without a branch: whether the remainder carries is as good as random to a processor.
    void Step() {
        rest += stepRest;
        int64_t carries = -int64_t(rest >= dy);
        q += stepQ - carries;
        rest -= dy & carries;
    }
    int64_t X() const { return dx >= 0 ? x0 + q + (rest != 0) : x0 - q; }
};

// A row mostly crosses few edges, two for every convex outline: an insertion sort beats a general one
// there, and a general one takes the rows of a tangle.
void SortCrossings(std::vector<int64_t>& xs) {
    if (xs.size() > 16) {
        std::sort(xs.begin(), xs.end());
        return;
    }
    for (size_t i = 1; i < xs.size(); i++) {
        int64_t x = xs[i];
        size_t j = i;
        for (; j > 0 && xs[j - 1] > x; j--) xs[j] = xs[j - 1];
        xs[j] = x;
    }
}

}  // namespace

void AddPolygonArea(Area& area, const LinePoint* points, int count, const Box& bounds) {
    if (count < 3 || bounds.empty()) return;
    std::vector<Edge> edges;
    edges.reserve(size_t(count));
    int64_t minY = INT64_MAX, maxY = INT64_MIN;
    for (int i = 0; i < count; i++) {
        LinePoint a = points[i], b = points[(i + 1) % count];
        if (a.y == b.y) continue;
        if (a.y > b.y) std::swap(a, b);
        edges.push_back({a.y, b.y, a.x, b.x - a.x, b.y - a.y});
        minY = std::min(minY, a.y);
        maxY = std::max(maxY, b.y);
    }
    int64_t first = std::max<int64_t>(minY, bounds.top), last = std::min<int64_t>(maxY, bounds.bottom);
    for (Edge& e : edges) e.Start(std::max(first, e.topY));
    std::vector<int64_t> xs;
    for (int64_t y = first; y < last; y++) {
        xs.clear();
        for (Edge& e : edges) {
            if (y < e.topY || y >= e.bottomY) continue;
            xs.push_back(e.X());
            e.Step();
        }
        SortCrossings(xs);
        for (size_t i = 0; i + 1 < xs.size(); i += 2)
            area.Add(int(y), ClampX(xs[i], bounds), ClampX(xs[i + 1], bounds));
    }
}

void AddBoxArea(Area& area, int64_t left, int64_t top, int64_t right, int64_t bottom, const Box& bounds) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    int64_t y0 = std::max<int64_t>(top, bounds.top), y1 = std::min<int64_t>(bottom, bounds.bottom);
    for (int64_t y = y0; y < y1; y++) area.Add(int(y), ClampX(left, bounds), ClampX(right, bounds));
}

void AddRoundRectArea(Area& area, int64_t left, int64_t top, int64_t right, int64_t bottom, int64_t ew, int64_t eh,
                      const Box& bounds) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    // The region leaves out the last column and row.
    right--;
    bottom--;
    ew = std::min<int64_t>(right - left, ew < 0 ? -ew : ew);
    eh = std::min<int64_t>(bottom - top, eh < 0 ? -eh : eh);
    if (ew < 2 || eh < 2 || ew > (int64_t(1) << 20) || eh > (int64_t(1) << 20)) {
        AddBoxArea(area, left, top, right, bottom, bounds);
        return;
    }
    // Half-widths of the corner rows from an integer ellipse walk (Zingl's algorithm).
    std::vector<int64_t> inset(size_t(eh), 0);
    int64_t a = ew - 1, b = eh - 1;
    int64_t asq = 8 * a * a, bsq = 8 * b * b;
    int64_t dx = 4 * b * b * (1 - a), dy = 4 * a * a * (1 + b % 2);
    int64_t err = dx + dy + a * a * (b % 2);
    int64_t x = 0, y = eh / 2;
    while (x <= ew / 2) {
        int64_t e2 = 2 * err;
        if (e2 >= dx) {
            x++;
            err += dx += bsq;
        }
        if (e2 <= dy) {
            y++;
            if (y < eh) inset[size_t(y)] = x;
            err += dy += asq;
        }
    }
    // A thin ellipse's walk is past the middle column before it reaches the last rows: those are empty.
    while (++y < eh) inset[size_t(y)] = x;
    for (int64_t i = 0; i < eh / 2; i++) inset[size_t(i)] = inset[size_t(b - i)];
    for (int64_t i = 0; i < eh; i++) {
        int64_t rowTop = i < eh / 2 ? top + i : bottom - eh + i;
        int64_t rowBottom = i == eh / 2 ? bottom - eh + i + 1 : rowTop + 1;
        if (i == eh / 2) rowTop = top + eh / 2;
        for (int64_t r = std::max<int64_t>(rowTop, bounds.top); r < std::min<int64_t>(rowBottom, bounds.bottom); r++)
            area.Add(int(r), ClampX(left + inset[size_t(i)], bounds), ClampX(right - inset[size_t(i)], bounds));
    }
}

}  // namespace gdi
