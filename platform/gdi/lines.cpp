#include "lines.h"

#include <algorithm>
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

int64_t CeilDiv(__int128 n, __int128 d) {
    __int128 q = n / d;
    if ((n % d != 0) && ((n < 0) == (d < 0))) q++;
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

}  // namespace

void DrawThinLine(Painter& painter, const Ink& ink, LinePoint a, LinePoint b) {
    if (!ink.visible() || painter.empty()) return;
    int64_t dx = b.x - a.x, dy = b.y - a.y;
    if (dx == 0 && dy == 0) return;
    // One step paints its start pixel alone: outlines walked pixel by pixel, as ellipses are, take this.
    if (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1) {
        const Box& area = painter.bounds();
        if (a.x >= area.left && a.x < area.right && a.y >= area.top && a.y < area.bottom)
            painter.Pixel(int(a.x), int(a.y), ink);
        return;
    }
    // Both ends beyond the same edge of the clip: nothing to work out.
    const Box& clip = painter.bounds();
    if ((a.x < clip.left && b.x < clip.left) || (a.x >= clip.right && b.x >= clip.right) ||
        (a.y < clip.top && b.y < clip.top) || (a.y >= clip.bottom && b.y >= clip.bottom))
        return;
    int octant = Octant(dx, dy);
    bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
    int64_t bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
    int64_t major = xMajor ? std::llabs(dx) : std::llabs(dy);
    int64_t minor = xMajor ? std::llabs(dy) : std::llabs(dx);
    int xInc = dx > 0 ? 1 : -1, yInc = dy > 0 ? 1 : -1;
    int64_t majorStart = xMajor ? a.x : a.y, minorStart = xMajor ? a.y : a.x;
    int majorInc = xMajor ? xInc : yInc, minorInc = xMajor ? yInc : xInc;
    const Box& box = painter.bounds();
    int64_t majorLow = xMajor ? box.left : box.top, majorHigh = xMajor ? box.right : box.bottom;
    int64_t minorLow = xMajor ? box.top : box.left, minorHigh = xMajor ? box.bottom : box.right;

    int64_t lo = 0, hi = major;
    LimitSteps(majorStart, majorInc, majorLow, majorHigh, lo, hi);
    // After i steps the minor axis has moved m(i) = floor((2·minor·i + major − 1 + bias) / (2·major)).
    int64_t mLo = 0, mHi = INT64_MAX / 4;
    LimitSteps(minorStart, minorInc, minorLow, minorHigh, mLo, mHi);
    if (mLo >= mHi) return;
    if (minor == 0) {
        if (mLo > 0) return;
    } else {
        auto firstStepReaching = [&](int64_t t) {
            return CeilDiv(__int128(2) * major * t - major + 1 - bias, __int128(2) * minor);
        };
        lo = std::max(lo, firstStepReaching(mLo));
        hi = std::min(hi, firstStepReaching(mHi));
    }
    if (lo >= hi) return;
    if (minor == 0 && xMajor) {
        int64_t left = majorInc > 0 ? majorStart + lo : majorStart - hi + 1;
        painter.Span(int(minorStart), int(left), int(left + hi - lo), ink);
        return;
    }
    int64_t m = int64_t((__int128(2) * minor * lo + major - 1 + bias) / (__int128(2) * major));
    // The products overflow 64 bits for far ends; their difference, the error term, is small.
    int64_t err = int64_t(__int128(2) * minor - major + __int128(2) * minor * lo - __int128(2) * major * m);
    int64_t majorPos = majorStart + majorInc * lo, minorPos = minorStart + minorInc * m;
    // Steps are already limited to the clip's bounds; with a single clip box that is the clip.
    bool direct = painter.SingleBox();
    for (int64_t i = lo; i < hi; i++) {
        int px = int(xMajor ? majorPos : minorPos), py = int(xMajor ? minorPos : majorPos);
        if (direct)
            painter.PixelInside(px, py, ink);
        else
            painter.Pixel(px, py, ink);
        if (err + bias > 0) {
            minorPos += minorInc;
            err += 2 * minor - 2 * major;
        } else {
            err += 2 * minor;
        }
        majorPos += majorInc;
    }
}

void DrawThinPolyline(Painter& painter, const Ink& ink, const LinePoint* points, int count, bool closed) {
    for (int i = 0; i + 1 < count; i++) DrawThinLine(painter, ink, points[i], points[i + 1]);
    if (closed && count > 1) DrawThinLine(painter, ink, points[count - 1], points[0]);
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
    if (width <= 1) {
        DrawThinLine(painter, ink, from, to);
    } else {
        Area area;
        LinePoint points[2] = {from, to};
        AddWidePolyline(area, points, 2, false, width, painter.bounds());
        area.Paint(painter, ink);
    }
    return TRUE;
}
