// The primitives every other routine is built from: lines, outlines, distances, dots and nib strokes.
#include <cmath>
#include <cstdlib>

#include "draw/draw.h"
#include "draw/drawing.h"

BOOL DrawLine(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    return LineTo(dc, x2, y2);
}

// With a one-pixel pen the top-left corner is painted twice and the bottom-right not at all, which in
// exclusive-or leaves both corners as they were.
void DrawRectOutline(HDC dc, int left, int top, int right, int bottom) {
    DrawLine(dc, left, top, right, top);
    DrawLine(dc, left, top, left, bottom);
    DrawLine(dc, left, bottom, right, bottom);
    DrawLine(dc, right, top, right, bottom);
}

int PointDistance(int x1, int y1, int x2, int y2) {
    double dx = std::abs(double(x2) - double(x1)), dy = std::abs(double(y2) - double(y1));
    return int(std::floor(std::sqrt(dx * dx + dy * dy)));
}

void DrawDot(HWND window, HPALETTE palette, int x, int y, int width, COLORREF colour) {
    Drawing d(window, palette);
    d.UsePen(d.MakePen(width, colour));
    DrawLine(d.dc(), x, y, x + 1, y);
}

void DrawNibStroke(HWND window, HPALETTE palette, int x, int y, int x2, int y2, int width, COLORREF colour, int style) {
    if (style < kRisingMark || style > kWideLine) return;
    Drawing d(window, palette);
    d.UsePen(d.MakePen(style <= kLevelMark ? 1 : width, colour));
    HDC dc = d.dc();
    int w2 = 2 * width;
    switch (style) {
        case kRisingMark: DrawLine(dc, x - w2, y + w2, x + w2, y - w2); break;
        case kFallingMark: DrawLine(dc, x - w2, y - w2, x + w2, y + w2); break;
        case kUprightMark: DrawLine(dc, x, y - w2, x, y + w2); break;
        case kLevelMark: DrawLine(dc, x - w2, y, x + w2, y); break;
        case kRisingRibbon: for (int i = -w2; i < w2; i++) DrawLine(dc, x + i, y - i, x2 + i, y2 - i); break;
        case kFallingRibbon: for (int i = -w2; i < w2; i++) DrawLine(dc, x + i, y + i, x2 + i, y2 + i); break;
        case kUprightRibbon: for (int i = -w2; i < w2; i++) DrawLine(dc, x, y2 - i, x2, y2 + i); break;
        case kLevelRibbon: for (int i = -w2; i < w2; i++) DrawLine(dc, x2 - i, y, x2 + i, y2); break;
        case kWideLine: DrawLine(dc, x, y, x2, y2); break;
    }
}
