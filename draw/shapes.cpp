// Rubber-band outlines in exclusive-or white, and the finished shapes, line and box they turn into.
#include <vector>

#include "base/colours.h"
#include "draw/draw.h"
#include "draw/drawing.h"
#include "draw/fill_brush.h"

namespace {

// The corners of a shape on the rectangle (l, t, r, b), whose corners may come in either order: the
// thirds, halves and apex are signed, so a shape dragged up or left is the mirrored one.
std::vector<POINT> Corners(int shape, int l, int t, int r, int b) {
    int tw = (r - l) / 3, th = (b - t) / 3, hw = (r - l) / 2, hh = (b - t) / 2;
    int ax = l > r ? r + (l - r) / 2 : l + (r - l) / 2;
    switch (shape) {
        case kStar:
            return {{l + hw, t}, {l + 2 * tw, t + th}, {r, t + hh}, {l + 2 * tw, t + 2 * th},
                    {l + hw, b}, {l + tw, t + 2 * th}, {l, t + hh}, {l + tw, t + th}};
        case kOctagon:
            return {{l + tw, t}, {l + 2 * tw, t}, {r, t + th}, {r, t + 2 * th},
                    {l + 2 * tw, b}, {l + tw, b}, {l, t + 2 * th}, {l, t + th}};
        case kRightTriangle: return {{l, t}, {l, b}, {r, b}};
        case kIsoscelesTriangle: return {{l, b}, {ax, t}, {r, b}};
        default: return {};
    }
}

// The outline with the selected pen; the ellipse needs the hollow brush selected.
void DrawOutline(HDC dc, int shape, int l, int t, int r, int b) {
    std::vector<POINT> c = Corners(shape, l, t, r, b);
    switch (shape) {
        case kStar:
        case kOctagon:
            for (size_t i = 0; i < c.size(); i++) {
                const POINT& next = c[(i + 1) % c.size()];
                DrawLine(dc, c[i].x, c[i].y, next.x, next.y);
            }
            break;
        case kRectangle: DrawRectOutline(dc, l, t, r, b); break;
        case kEllipse: Ellipse(dc, l, t, r, b); break;
        case kRightTriangle:
            DrawLine(dc, l, t, l, b);
            DrawLine(dc, l, b, r, b);
            DrawLine(dc, l, t, r, b);
            break;
        case kIsoscelesTriangle:
            DrawLine(dc, c[0].x, c[0].y, c[2].x, c[2].y);
            DrawLine(dc, c[0].x, c[0].y, c[1].x, c[1].y);
            DrawLine(dc, c[1].x, c[1].y, c[2].x, c[2].y);
            break;
    }
}

void DrawFigure(HDC dc, int shape, int l, int t, int r, int b) {
    if (shape == kRectangle) {
        Rectangle(dc, l, t, r, b);
    } else if (shape == kEllipse) {
        Ellipse(dc, l, t, r, b);
    } else {
        // Closed polygons: the first corner again at the end.
        std::vector<POINT> c = Corners(shape, l, t, r, b);
        if (c.empty()) return;
        c.push_back(c.front());
        Polygon(dc, c.data(), int(c.size()));
    }
}

}  // namespace

void TrackShapeOutline(HWND window, HPALETTE palette, int shape, int left, int top, int oldRight, int oldBottom,
                       int newRight, int newBottom) {
    Drawing d(window, palette, Drawing::kNoRealise);
    SetROP2(d.dc(), R2_XORPEN);
    d.UseBrush(d.MakeHollowBrush());
    d.UsePen(GetStockObject(WHITE_PEN));
    DrawOutline(d.dc(), shape, left, top, oldRight, oldBottom);
    DrawOutline(d.dc(), shape, left, top, newRight, newBottom);
}

void DrawFinishedShape(HWND window, HPALETTE palette, int shape, int left, int top, int oldRight, int oldBottom,
                       int right, int bottom, int width, COLORREF colour, int fillStyle) {
    Drawing d(window, palette);
    HDC dc = d.dc();
    SetROP2(dc, R2_XORPEN);
    d.UsePen(GetStockObject(WHITE_PEN));
    d.UseBrush(d.MakeHollowBrush());
    DrawOutline(dc, shape, left, top, oldRight, oldBottom);
    d.RestorePen();
    d.UsePen(d.MakePen(width, colour));
    SetROP2(dc, R2_COPYPEN);
    SetBkMode(dc, TRANSPARENT);
    d.UseBrush(MakeFillBrush(d, fillStyle, colour, kAllButSolidHollow));
    DrawFigure(dc, shape, left, top, right, bottom);
}

namespace {

// A wire-frame box: the front face, the back face 30 pixels further in the direction of the drag, and the
// four edges between them.
void DrawBox(HDC dc, int left, int top, int right, int bottom) {
    DrawRectOutline(dc, left, top, right, bottom);
    int dx = left > right ? -30 : 30, dy = top > bottom ? -30 : 30;
    DrawRectOutline(dc, left + dx, top + dy, right + dx, bottom + dy);
    DrawLine(dc, left, top, left + dx, top + dy);
    DrawLine(dc, right, bottom, right + dx, bottom + dy);
    DrawLine(dc, left, bottom, left + dx, bottom + dy);
    DrawLine(dc, right, top, right + dx, top + dy);
}

// The rubber band the canvas left in exclusive-or white is erased with a white pen, then the finished figure is
// drawn with a pen of the width and colour.
template <typename Erase, typename Draw>
void FinishRubberBand(HWND window, HPALETTE palette, int width, COLORREF colour, Erase erase, Draw draw) {
    Drawing d(window, palette);
    HDC dc = d.dc();
    SetROP2(dc, R2_XORPEN);
    HPEN white = d.MakePlainPen(1, kPlainWhite);
    HPEN pen = d.MakePen(width, colour);
    d.UsePen(white);
    erase(dc);
    d.UsePen(pen);
    SetROP2(dc, R2_COPYPEN);
    draw(dc);
}

}  // namespace

void DrawFinishedLine(HWND window, HPALETTE palette, int x0, int y0, int oldX, int oldY, int x, int y, int width,
                      COLORREF colour) {
    FinishRubberBand(
        window, palette, width, colour, [&](HDC dc) { DrawLine(dc, x0, y0, oldX, oldY); },
        [&](HDC dc) { DrawLine(dc, x0, y0, x, y); });
}

void DrawFinishedBox(HWND window, HPALETTE palette, int left, int top, int oldRight, int oldBottom, int right,
                     int bottom, int width, COLORREF colour) {
    FinishRubberBand(
        window, palette, width, colour, [&](HDC dc) { DrawRectOutline(dc, left, top, oldRight, oldBottom); },
        [&](HDC dc) { DrawBox(dc, left, top, right, bottom); });
}
