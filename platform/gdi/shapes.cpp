// Rectangle, Ellipse and Polygon: a brush interior and a pen outline.
#include <algorithm>
#include <vector>

#include "scan.h"

using namespace gdi;

namespace {

// A hollow brush paints nothing: its interior need not be scanned.
bool Fills(const DeviceContext& d) {
    const Brush* brush = FindBrush(d.brush);
    return brush && brush->style != BS_NULL;
}

// Paints a filled shape's rows within bounds: with a one-pixel pen the interior first and the outline over it,
// with a wide pen the outline's area taken out of the interior so no pixel is painted twice.
void PaintShape(DeviceContext& d, Painter& painter, Area& interior, const std::vector<LinePoint>& outline,
                const Box& bounds) {
    Ink brush = BrushInk(d), pen = PenInk(d);
    int width = PenWidth(d);
    if (width <= 1) {
        interior.Paint(painter, brush);
        if (pen.visible()) DrawThinPolyline(painter, pen, outline.data(), int(outline.size()), true);
        return;
    }
    Area area;
    AddWidePolyline(area, outline.data(), int(outline.size()), true, width, bounds);
    interior.Subtract(area);
    interior.Paint(painter, brush);
    area.Paint(painter, pen);
}

void PaintShape(DeviceContext& d, Area& interior, const std::vector<LinePoint>& outline) {
    Painter painter(d);
    PaintShape(d, painter, interior, outline, painter.bounds());
}

struct Rect64 {
    int64_t l, t, r, b;
};

Rect64 Ordered(const DeviceContext& d, int left, int top, int right, int bottom) {
    Rect64 r{int64_t(left) + d.origin.x, int64_t(top) + d.origin.y, int64_t(right) + d.origin.x,
             int64_t(bottom) + d.origin.y};
    if (r.l > r.r) std::swap(r.l, r.r);
    if (r.t > r.b) std::swap(r.t, r.b);
    return r;
}

BOOL DrawRectangle(DeviceContext& d, const Rect64& r) {
    if (r.l == r.r || r.t == r.b) return TRUE;
    int width = PenWidth(d);
    // The interior: the whole box less its last row and column without a pen, inside the outline with one.
    Rect64 inner = width == 0 ? Rect64{r.l, r.t, r.r - 1, r.b - 1} : Rect64{r.l + 1, r.t + 1, r.r - 1, r.b - 1};
    bool filled = Fills(d) && inner.l < inner.r && inner.t < inner.b;
    std::vector<LinePoint> outline = {{r.r - 1, r.t}, {r.l, r.t}, {r.l, r.b - 1}, {r.r - 1, r.b - 1}};
    if (width <= 1) {
        // Nothing of the interior is under the outline, so the box goes straight to the painter.
        Painter painter(d);
        if (filled) {
            const Box& b = painter.bounds();
            Ink brush = BrushInk(d);
            int left = int(std::max<int64_t>(inner.l, b.left)), right = int(std::min<int64_t>(inner.r, b.right));
            int64_t bottom = std::min<int64_t>(inner.b, b.bottom);
            for (int64_t y = std::max<int64_t>(inner.t, b.top); y < bottom; y++) painter.Span(int(y), left, right, brush);
        }
        Ink pen = PenInk(d);
        if (pen.visible()) DrawThinPolyline(painter, pen, outline.data(), int(outline.size()), true);
        return TRUE;
    }
    Painter painter(d);
    const Box& bounds = painter.bounds();
    auto paintRows = [&](const Box& rows) {
        if (rows.empty()) return;
        Area interior;
        if (filled) AddBoxArea(interior, inner.l, inner.t, inner.r, inner.b, rows);
        PaintShape(d, painter, interior, outline, rows);
    };
    // Away from the corners a row holds only the two upright edges and the interior between them: those rows
    // are painted as three boxes, and only the rows of the corners are scanned.
    int64_t half = width / 2, top = r.t + width, bottom = r.b - 1 - width;
    Box middle = RowsOf(bounds, top, bottom);
    if (middle.empty() || r.r - 1 - r.l < width) {
        paintRows(bounds);
        return TRUE;
    }
    auto columns = [&](int64_t left, int64_t right) {
        return Box{int(std::clamp<int64_t>(left, bounds.left, bounds.right)), middle.top,
                   int(std::clamp<int64_t>(right, bounds.left, bounds.right)), middle.bottom};
    };
    Ink pen = PenInk(d);
    painter.FillBox(columns(r.l - half, r.l - half + width), pen);
    if (filled) painter.FillBox(columns(r.l - half + width, r.r - 1 - half), BrushInk(d));
    painter.FillBox(columns(r.r - 1 - half, r.r - 1 - half + width), pen);
    paintRows(RowsOf(bounds, bounds.top, top));
    paintRows(RowsOf(bounds, bottom, bounds.bottom));
    return TRUE;
}

// The outline of an ellipse filling the box: the first quadrant from an integer walk, mirrored.
std::vector<LinePoint> EllipseOutline(const Rect64& r) {
    int64_t w = r.r - r.l, h = r.b - r.t;
    std::vector<LinePoint> quadrant;
    quadrant.reserve(size_t(w / 2 + h / 2 + 2));
    int64_t a = w - 1, b = h - 1;
    int64_t asq = 8 * a * a, bsq = 8 * b * b;
    int64_t dx = 4 * b * b * (1 - a), dy = 4 * a * a * (1 + b % 2);
    int64_t err = dx + dy + a * a * (b % 2);
    int64_t x = a, y = h / 2;
    while (x >= w / 2) {
        int64_t e2 = 2 * err;
        quadrant.push_back({r.l + x, r.t + h - 1 - y});
        if (e2 >= dx) {
            x--;
            err += dx += bsq;
        }
        if (e2 <= dy) {
            y++;
            err += dy += asq;
        }
    }
    std::vector<LinePoint> points;
    points.reserve(4 * quadrant.size());
    points = quadrant;
    size_t count = points.size();
    size_t end = 2 * count - 1;
    if (w % 2) end--;  // the midpoint is not doubled
    points.resize(end + 1);
    for (size_t i = 0; i < count; i++) points[end - i] = {r.l + r.r - 1 - points[i].x, points[i].y};
    count = end + 1;
    end = 2 * count - 1;
    if (h % 2) end--;
    points.resize(end + 1);
    for (size_t i = 0; i < count; i++) points[end - i] = {points[i].x, r.t + r.b - 1 - points[i].y};
    return points;
}

}  // namespace

BOOL WINAPI Rectangle(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* d = FindDc(dc);
    if (!d) return FALSE;
    return DrawRectangle(*d, Ordered(*d, left, top, right, bottom));
}

BOOL WINAPI Ellipse(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* d = FindDc(dc);
    if (!d) return FALSE;
    Rect64 r = Ordered(*d, left, top, right, bottom);
    int64_t w = r.r - r.l, h = r.b - r.t;
    if (w == 0 || h == 0) return TRUE;
    // Boxes of two pixels or less, and ones too large to walk, are drawn as rectangles.
    if (w <= 2 || h <= 2 || w > (int64_t(1) << 20) || h > (int64_t(1) << 20)) return DrawRectangle(*d, r);
    Area interior;
    if (Fills(*d)) AddRoundRectArea(interior, r.l, r.t, r.r + 1, r.b + 1, w, h, ClipBounds(*d));
    PaintShape(*d, interior, EllipseOutline(r));
    return TRUE;
}

BOOL WINAPI Polygon(HDC dc, const POINT* points, int count) {
    DeviceContext* d = FindDc(dc);
    if (!d || !points || count < 1) return FALSE;
    // A single point has neither interior nor outline: a wide pen makes no dot of it, unlike two equal points.
    if (count == 1) return TRUE;
    std::vector<LinePoint> outline;
    outline.reserve(size_t(count));
    for (int i = 0; i < count; i++)
        outline.push_back({int64_t(points[i].x) + d->origin.x, int64_t(points[i].y) + d->origin.y});
    Area interior;
    if (Fills(*d)) AddPolygonArea(interior, outline.data(), count, ClipBounds(*d));
    PaintShape(*d, interior, outline);
    return TRUE;
}
