#include "lines.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "scan.h"

namespace gdi {

namespace {

int Octant(int64_t dx, int64_t dy) {
    if (dy > 0) {
        if (dx > 0) return dx > dy ? 1 : 2;
        return -dx > dy ? 4 : 3;
    }
    if (dx < 0) return -dx > -dy ? 5 : 6;
    return dx > -dy ? 8 : 7;
}

bool Holds(const Box& box, LinePoint p) {
    return p.x >= box.left && p.x < box.right && p.y >= box.top && p.y < box.bottom;
}

// A quotient of 128-bit numbers, in 64 bits when both fit: the library's 128-bit division costs a short
// line more than its pixels.
__int128 Divide(__int128 n, __int128 d) {
    if (n >= INT64_MIN && n <= INT64_MAX && d >= INT64_MIN && d <= INT64_MAX && !(n == INT64_MIN && d == -1))
        return int64_t(n) / int64_t(d);
    return n / d;
}

int64_t CeilDiv(__int128 n, __int128 d) {
    __int128 q = Divide(n, d);
    if (q * d != n && (n < 0) == (d < 0)) q++;
    return int64_t(std::clamp<__int128>(q, INT64_MIN / 2, INT64_MAX / 2));
}

// Steps i in [lo, hi) whose coordinate start + inc * i lies in [low, high).
void LimitSteps(int64_t start, int inc, int64_t low, int64_t high, int64_t& lo, int64_t& hi) {
    if (inc > 0) {
        lo = std::max(lo, low - start);
        hi = std::min(hi, high - start);
    } else {
        lo = std::max(lo, start - high + 1);
        hi = std::min(hi, start - low + 1);
    }
}

// A one-pixel line as steps along its major axis: after i steps the minor axis has moved
// m(i) = floor((2·minor·i + major − 1 + bias) / (2·major)).
struct ThinLine {
    bool xMajor;
    int64_t bias, major, minor;
    int64_t majorStart, minorStart;
    int majorInc, minorInc;

    int64_t MinorAfter(int64_t i) const {
        if (i == 0) return 0;  // the bias is at most 1, so the quotient is too small to be 1
        return int64_t(Divide(__int128(2) * minor * i + major - 1 + bias, __int128(2) * major));
    }
    int64_t FirstStepReaching(int64_t t) const {
        return CeilDiv(__int128(2) * major * t - major + 1 - bias, __int128(2) * minor);
    }
    int64_t X(int64_t majorPos, int64_t minorPos) const { return xMajor ? majorPos : minorPos; }
    int64_t Y(int64_t majorPos, int64_t minorPos) const { return xMajor ? minorPos : majorPos; }

    // Narrows the steps [lo, hi) to those that land in the box, exactly in Bresenham terms.
    void LimitToBox(const Box& box, int64_t& lo, int64_t& hi) const {
        LimitSteps(majorStart, majorInc, xMajor ? box.left : box.top, xMajor ? box.right : box.bottom, lo, hi);
        int64_t mLo = 0, mHi = INT64_MAX / 4;
        LimitSteps(minorStart, minorInc, xMajor ? box.top : box.left, xMajor ? box.bottom : box.right, mLo, mHi);
        if (mLo >= mHi) {
            hi = lo;
        } else if (minor == 0) {
            if (mLo > 0) hi = lo;
        } else {
            lo = std::max(lo, FirstStepReaching(mLo));
            hi = std::min(hi, FirstStepReaching(mHi));
        }
    }
};

ThinLine MakeThinLine(LinePoint a, LinePoint b) {
    int64_t dx = b.x - a.x, dy = b.y - a.y;
    int octant = Octant(dx, dy);
    bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
    int xInc = dx > 0 ? 1 : -1, yInc = dy > 0 ? 1 : -1;
    return {.xMajor = xMajor,
            .bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0,
            .major = xMajor ? std::llabs(dx) : std::llabs(dy),
            .minor = xMajor ? std::llabs(dy) : std::llabs(dx),
            .majorStart = xMajor ? a.x : a.y,
            .minorStart = xMajor ? a.y : a.x,
            .majorInc = xMajor ? xInc : yInc,
            .minorInc = xMajor ? yInc : xInc};
}

// Level runs at least this long on average are painted a run at a time rather than a pixel at a time.
constexpr int64_t kLongRuns = 4;

// Paints count pixels from p along the major axis and returns the address one step past them. A level
// run is contiguous in memory, whichever way it goes, so its loop has no stride.
uint32_t* PaintRun(uint32_t* p, int64_t count, ptrdiff_t step, bool level, Rop2Pair op) {
    if (level) {
        uint32_t* first = step > 0 ? p : p - count + 1;
        for (int64_t i = 0; i < count; i++) first[i] = op.apply(first[i]);
        return p + step * count;
    }
    for (int64_t i = 0; i < count; i++, p += step) *p = op.apply(*p);
    return p;
}

// Paints steps [lo, hi), all inside one clip box, stepping a pointer through the surface.
void PaintSteps(Painter& painter, Rop2Pair op, const ThinLine& line, int64_t lo, int64_t hi) {
    int64_t m = line.MinorAfter(lo);
    // The products overflow 64 bits for far ends; their difference, the error term, is small.
    int64_t err =
        int64_t(__int128(2) * line.minor - line.major + __int128(2) * line.minor * lo - __int128(2) * line.major * m);
    int64_t majorPos = line.majorStart + line.majorInc * lo, minorPos = line.minorStart + line.minorInc * m;
    int x0 = int(line.X(majorPos, minorPos)), y0 = int(line.Y(majorPos, minorPos));
    ptrdiff_t stride = painter.stride();
    ptrdiff_t majorStep = line.xMajor ? line.majorInc : line.majorInc * stride;
    ptrdiff_t minorStep = line.xMajor ? line.minorInc * stride : line.minorInc;
    uint32_t* p = painter.Address(x0, y0);
    // The last pixel is painted after the loop, so the minor moves counted are those up to it.
    int64_t moves = 0;
    if (line.minor == 0) {
        p = PaintRun(p, hi - lo, majorStep, line.xMajor, op);
    } else if (line.xMajor && line.major >= kLongRuns * line.minor) {
        // A line near level is a few long runs: each run's length comes from the error term at its start, and
        // its pixels are painted together. Runs down a column gain nothing, each pixel being in a row of its own.
        int64_t up = 2 * line.minor - 2 * line.major, flat = 2 * line.minor;
        err += line.bias;
        for (int64_t n = hi - lo - 1; n > 0;) {
            int64_t run = err > 0 ? 1 : -err / flat + 2;
            if (run > n) {
                p = PaintRun(p, n, majorStep, true, op);
                break;
            }
            p = PaintRun(p, run, majorStep, true, op) + minorStep;
            err += (run - 1) * flat + up;
            moves++;
            n -= run;
        }
        *p = op.apply(*p);
    } else {
        int64_t up = 2 * line.minor - 2 * line.major, flat = 2 * line.minor;
        err += line.bias;
        for (int64_t n = hi - lo - 1; n > 0; n--, p += majorStep) {
            *p = op.apply(*p);
            if (err > 0) {
                p += minorStep;
                err += up;
                moves++;
            } else {
                err += flat;
            }
        }
        *p = op.apply(*p);
    }
    int64_t lastMajor = majorPos + line.majorInc * (hi - 1 - lo), lastMinor = minorPos + line.minorInc * moves;
    int x1 = int(line.X(lastMajor, lastMinor)), y1 = int(line.Y(lastMajor, lastMinor));
    painter.Painted({std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1});
}

}  // namespace

// A pen's ink is solid: its one operation is applied along the line.
void DrawThinLine(Painter& painter, const Ink& ink, LinePoint a, LinePoint b) {
    if (!ink.visible() || painter.empty()) return;
    int64_t dx = b.x - a.x, dy = b.y - a.y;
    if (dx == 0 && dy == 0) return;
    // One step paints its start pixel alone: outlines walked pixel by pixel, as ellipses are, take this.
    if (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1) {
        const Box& area = painter.bounds();
        if (Holds(area, a)) painter.Pixel(int(a.x), int(a.y), ink);
        return;
    }
    // Both ends beyond the same edge of the clip: nothing to work out.
    const Box& clip = painter.bounds();
    if ((a.x < clip.left && b.x < clip.left) || (a.x >= clip.right && b.x >= clip.right) ||
        (a.y < clip.top && b.y < clip.top) || (a.y >= clip.bottom && b.y >= clip.bottom))
        return;
    ThinLine line = MakeThinLine(a, b);
    int64_t lo = 0, hi = line.major;
    // A line between two points inside the clip's bounds stays inside them.
    if (!Holds(clip, a) || !Holds(clip, b)) line.LimitToBox(clip, lo, hi);
    if (lo >= hi) return;
    if (line.minor == 0 && line.xMajor) {
        int64_t left = line.majorInc > 0 ? line.majorStart + lo : line.majorStart - hi + 1;
        painter.Span(int(line.minorStart), int(left), int(left + hi - lo), ink);
        return;
    }
    // Clipped once for each clip box, which do not overlap; the bounds are the clip when there is one.
    if (painter.boxes().size() == 1) {
        PaintSteps(painter, ink.fore, line, lo, hi);
        return;
    }
    for (const Box& box : painter.boxes()) {
        int64_t boxLo = lo, boxHi = hi;
        line.LimitToBox(box, boxLo, boxHi);
        if (boxLo < boxHi) PaintSteps(painter, ink.fore, line, boxLo, boxHi);
    }
}

void DrawThinPolyline(Painter& painter, const Ink& ink, const LinePoint* points, int count, bool closed) {
    if (!ink.visible() || painter.empty()) return;
    // Outlines walked pixel by pixel, as ellipses are, are mostly steps of one pixel, each painting its start
    // pixel: with a single clip box those go straight to the surface and what they painted is said once.
    const Box& clip = painter.bounds();
    bool direct = painter.boxes().size() == 1;
    Rop2Pair op = ink.fore;
    Box touched{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    auto segment = [&](LinePoint a, LinePoint b) {
        int64_t dx = b.x - a.x, dy = b.y - a.y;
        if (!direct || dx < -1 || dx > 1 || dy < -1 || dy > 1) {
            DrawThinLine(painter, ink, a, b);
        } else if ((dx != 0 || dy != 0) && Holds(clip, a)) {
            int x = int(a.x), y = int(a.y);
            uint32_t* p = painter.Address(x, y);
            *p = op.apply(*p);
            touched = {std::min(touched.left, x), std::min(touched.top, y), std::max(touched.right, x + 1),
                       std::max(touched.bottom, y + 1)};
        }
    };
    for (int i = 0; i + 1 < count; i++) segment(points[i], points[i + 1]);
    if (closed && count > 1) segment(points[count - 1], points[0]);
    if (!touched.empty()) painter.Painted(touched);
}

namespace {

constexpr int kMovedShapeWidth = 256;

void AddCap(Area& area, LinePoint p, int width, const Box& bounds) {
    int64_t half = width / 2;
    AddRoundRectArea(area, p.x - half, p.y - half, p.x + (width + 1) / 2 + 1, p.y + (width + 1) / 2 + 1,
                     (width + 1) / 2 + 1 + half, (width + 1) / 2 + 1 + half, bounds);
}

void AddSegment(Area& area, LinePoint a, LinePoint b, int width, const Box& bounds) {
    int64_t half = width / 2;
    if (a.x == b.x && a.y == b.y) return;
    if (a.y == b.y || a.x == b.x) {
        bool horizontal = a.y == b.y;
        int64_t lo = horizontal ? std::min(a.x, b.x) : std::min(a.y, b.y);
        int64_t hi = horizontal ? std::max(a.x, b.x) : std::max(a.y, b.y);
        int64_t across = (horizontal ? a.y : a.x) - half;
        if (horizontal)
            AddBoxArea(area, lo, across, hi, across + width, bounds);
        else
            AddBoxArea(area, across, lo, across + width, hi, bounds);
        return;
    }
    // Measured from the reference: with the normal (u) pointing to +x, the +x side lies one pixel past
    // the truncated offset and the other side at the rounded one.
    int64_t dx = b.x - a.x, dy = b.y - a.y;
    if (dy < 0) dx = -dx, dy = -dy;
    double scale = double(width) / (2 * std::hypot(double(dx), double(dy)));
    double ux = double(dy) * scale, uy = double(-dx) * scale;
    int64_t sign = uy < 0 ? -1 : 1;
    LinePoint far{int64_t(ux) + 1, sign * (int64_t(std::fabs(uy)) + 1)};
    LinePoint near{-std::llround(ux), -sign * std::llround(std::fabs(uy))};
    LinePoint quad[4] = {{a.x + far.x, a.y + far.y}, {b.x + far.x, b.y + far.y}, {b.x + near.x, b.y + near.y},
                         {a.x + near.x, a.y + near.y}};
    AddPolygonArea(area, quad, 4, bounds);
}

}  // namespace

// The caps, and the short steps of an outline walked pixel by pixel, repeat all along it: each step with the
// cap at its start is scanned once at the origin, joined into as few spans as the union has, and moved to
// every point where it lies. The scans do not depend on where they lie, so the pixels are the same.
void AddWidePolyline(Area& area, const LinePoint* points, int count, bool closed, int width, const Box& bounds) {
    int segments = closed ? count : count - 1;
    // A very wide pen's shapes are scanned where they lie, cut to the bounds, rather than whole.
    if (width > kMovedShapeWidth) {
        for (int i = 0; i < segments; i++) AddSegment(area, points[i], points[(i + 1) % count], width, bounds);
        for (int i = 0; i < count; i++) AddCap(area, points[i], width, bounds);
        return;
    }
    const Box unbounded{-kMovedShapeWidth * 4, -kMovedShapeWidth * 4, kMovedShapeWidth * 4, kMovedShapeWidth * 4};
    struct Step {
        int64_t dx, dy;
        Area shape;  // the step from the origin and the cap on the origin
    };
    std::vector<Step> steps;
    Area cap;
    AddCap(cap, {0, 0}, width, unbounded);
    area.Reserve(size_t(count) * size_t(width + 2));
    for (int i = 0; i < count; i++) {
        LinePoint a = points[i];
        if (i >= segments) {
            area.AddMoved(cap, a.x, a.y, bounds);
            continue;
        }
        LinePoint b = points[(i + 1) % count];
        int64_t dx = b.x - a.x, dy = b.y - a.y;
        if (std::abs(dx) > 2 || std::abs(dy) > 2) {
            AddSegment(area, a, b, width, bounds);
            area.AddMoved(cap, a.x, a.y, bounds);
            continue;
        }
        auto step = std::find_if(steps.begin(), steps.end(), [&](const Step& s) { return s.dx == dx && s.dy == dy; });
        if (step == steps.end()) {
            steps.push_back({dx, dy, {}});
            step = steps.end() - 1;
            AddSegment(step->shape, {0, 0}, {dx, dy}, width, unbounded);
            AddCap(step->shape, {0, 0}, width, unbounded);
        }
        area.AddMoved(step->shape, a.x, a.y, bounds);
    }
}

Box RowsOf(const Box& bounds, int64_t top, int64_t bottom) {
    return {bounds.left, int(std::clamp<int64_t>(top, bounds.top, bounds.bottom)), bounds.right,
            int(std::clamp<int64_t>(bottom, bounds.top, bounds.bottom))};
}

// Between the rows of its caps a line's area is its quadrilateral alone, one span a row in order, which need
// not be sorted; an upright line's is the same run of pixels on every row, painted as one box. Only the rows
// of the caps are scanned whole.
void DrawWideLine(Painter& painter, const Ink& ink, LinePoint a, LinePoint b, int width) {
    const Box& bounds = painter.bounds();
    auto scanRows = [&](const Box& rows) {
        if (rows.empty()) return;
        Area area;
        LinePoint points[2] = {a, b};
        AddWidePolyline(area, points, 2, false, width, rows);
        area.Paint(painter, ink);
    };
    int64_t top = std::min(a.y, b.y) + width, bottom = std::max(a.y, b.y) - width;
    Box middle = RowsOf(bounds, top, bottom);
    if (middle.empty()) {
        scanRows(bounds);
        return;
    }
    if (a.x == b.x) {
        int64_t left = a.x - width / 2;
        Box column = middle;
        column.left = int(std::clamp<int64_t>(left, bounds.left, bounds.right));
        column.right = int(std::clamp<int64_t>(left + width, bounds.left, bounds.right));
        painter.FillBox(column, ink);
    } else {
        Area quad;
        AddSegment(quad, a, b, width, middle);
        quad.Paint(painter, ink);
    }
    scanRows(RowsOf(bounds, bounds.top, top));
    scanRows(RowsOf(bounds, bottom, bounds.bottom));
}

}  // namespace gdi

using namespace gdi;

BOOL WINAPI LineTo(HDC dc, int x, int y) {
    DeviceContext* d = FindDc(dc);
    if (!d) return FALSE;
    LinePoint from{int64_t(d->position.x) + d->origin.x, int64_t(d->position.y) + d->origin.y};
    LinePoint to{int64_t(x) + d->origin.x, int64_t(y) + d->origin.y};
    d->position = {x, y};
    Painter painter(*d);
    Ink ink = PenInk(*d);
    int width = PenWidth(*d);
    if (width <= 1)
        DrawThinLine(painter, ink, from, to);
    else
        DrawWideLine(painter, ink, from, to, width);
    return TRUE;
}
