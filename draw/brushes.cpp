// Brushes that draw lines and pixels round the point: bursts, sparkles, the eraser, striped and fuzzy
// strokes, the red-green-blue dab.
#include "base/random.h"
#include "draw/draw.h"
#include "draw/drawing.h"

void DrawLineBurst(HWND window, HPALETTE palette, int x, int y, int width, COLORREF colour) {
    Drawing d(window, palette);
    d.UsePen(d.MakePen(width, colour));
    int lines = RandomBelow(10) + 6;
    for (int i = 0; i < lines; i++) {
        int s = 24 * width;
        int dx = RandomBelow(s) - 12 * width;
        int dy = RandomBelow(s) - 12 * width;
        DrawLine(d.dc(), x, y, x + dx, y + dy);
    }
}

void DrawSparkleStroke(HWND window, HPALETTE palette, int x, int y, int fromX, int fromY, COLORREF lineColour,
                       COLORREF sparkColour1, COLORREF sparkColour2, COLORREF sparkColour3) {
    Drawing d(window, palette);
    d.UsePen(d.MakePen(10, lineColour));
    DrawLine(d.dc(), fromX, fromY, x, y);
    const COLORREF sparks[3] = {sparkColour1, sparkColour2, sparkColour3};
    for (int round = 0; round < 15; round++)
        for (COLORREF spark : sparks) {
            int px = x + RandomBelow(16) - 8;
            int py = y + RandomBelow(16) - 8;
            SetPixel(d.dc(), px, py, PaletteColour(spark));
        }
}

void DrawEraserSquare(HWND window, HPALETTE palette, int x, int y, int prevX, int prevY, int size, int mode) {
    Drawing d(window, palette);
    HDC dc = d.dc();
    int h = size / 2, left = x - h, top = y - h;
    d.UsePen(GetStockObject(WHITE_PEN));
    d.UseBrush(GetStockObject(WHITE_BRUSH));
    // White over the black frame of the previous position.
    if (mode == kEraserDrag) DrawRectOutline(dc, prevX - h, prevY - h, prevX - h + size, prevY - h + size);
    Rectangle(dc, left, top, left + size + 1, top + size + 1);
    d.RestorePenAndBrush();
    d.UsePen(GetStockObject(BLACK_PEN));
    // The frame shows where the eraser is; the release leaves none.
    if (mode != kEraserRelease) DrawRectOutline(dc, left, top, left + size, top + size);
}

int StripedDabStart(int width) {
    switch (width) {
        case 2: return -5;
        case 3: return -8;
        case 4: return -10;
        case 5: return -12;
        case 6: return -15;
        case 7: return -18;
        case 8: return -20;
        default: return -2;
    }
}

void DrawStripedDab(HWND window, HPALETTE palette, int x, int y, int width, COLORREF colour1, COLORREF colour2,
                    COLORREF colour3) {
    Drawing d(window, palette);
    const COLORREF bands[5] = {colour1, colour2, colour3, colour2, colour1};
    int offset = StripedDabStart(width);
    for (COLORREF band : bands)
        for (int i = 0; i < width; i++, offset++) SetPixel(d.dc(), x + offset, y + offset, PaletteColour(band));
}

void DrawFuzzyStroke(HWND window, HPALETTE palette, int x, int y, int toX, int toY, COLORREF colour) {
    Drawing d(window, palette);
    d.UsePen(d.MakePen(10, colour));
    for (int i = 0; i < 50; i++) {
        int px = x + RandomBelow(20) - 10;
        int py = y + RandomBelow(20) - 10;
        if (PointDistance(x, y, px, py) != 0) SetPixel(d.dc(), px, py, PaletteColour(colour));
    }
    DrawLine(d.dc(), x, y, toX, toY);
}

void DrawRgbDab(HWND window, HPALETTE palette, int x, int y) {
    Drawing d(window, palette);
    const COLORREF colours[6] = {0x020000FF, 0x020000FF, 0x0200FF00, 0x0200FF00, 0x02FF0000, 0x02FF0000};
    for (int i = 0; i < 6; i++) SetPixel(d.dc(), x - 3 + i, y - 3 + i, colours[i]);
}
