// Brushes that scatter at random round the point: blobs, jumbled pixels, spray, grass and bubbles.
#include "base/random.h"
#include "draw/draw.h"
#include "draw/drawing.h"

void DrawBlobTrail(HWND window, HPALETTE palette, int x, int y, COLORREF colour) {
    Drawing d(window, palette);
    d.UsePen(d.MakePen(1, colour));
    d.UseBrush(d.MakeSolidBrush(colour));
    int blobs = RandomBelow(12) + 4;
    int cx = x, cy = y;
    for (int i = 0; i < blobs; i++) {
        int a = RandomBelow(50) + 3;
        int b = RandomBelow(50) + 3;
        cx += RandomBelow(160) - 77;
        cy += RandomBelow(160) - 77;
        Ellipse(d.dc(), cx - a, cy - a, cx + b, cy + b);
    }
}

void ScatterPixels(HWND window, HPALETTE palette, int x, int y) {
    Drawing d(window, palette);
    for (int i = 0; i < 100; i++) {
        int fromX = x + RandomBelow(32) - 16;
        int fromY = y + RandomBelow(32) - 16;
        COLORREF colour = GetPixel(d.dc(), fromX, fromY);
        int toX = x + RandomBelow(32) - 16;
        int toY = y + RandomBelow(32) - 16;
        SetPixel(d.dc(), toX, toY, PaletteColour(colour));
    }
}

void SprayDots(HWND window, HPALETTE palette, int x, int y, int size, COLORREF colour, int mode) {
    Drawing d(window, palette);
    int radius = 8 * size;
    for (int i = 0; i < size * 8; i++) {
        int px = x + RandomBelow(2 * radius) - radius;
        int py = y + RandomBelow(2 * radius) - radius;
        if (PointDistance(x, y, px, py) >= radius) continue;
        // A colouring picture's black outlines stay as they are.
        if (mode == 1 && GetPixel(d.dc(), px, py) == 0) continue;
        SetPixel(d.dc(), px, py, PaletteColour(colour));
    }
}

void DrawGrassTuft(HWND window, HPALETTE palette, int x, int y, COLORREF colour) {
    Drawing d(window, palette);
    d.UsePen(d.MakePen(1, colour));
    int blades = RandomBelow(8) + 3;
    for (int i = 0; i < blades; i++) {
        int tipX = x + RandomBelow(20) - 10;
        int tipY = y - RandomBelow(20) - 2;
        DrawLine(d.dc(), x, y, tipX, tipY);
    }
}

void DrawBubbles(HWND window, HPALETTE palette, int x, int y, int size, COLORREF colour) {
    Drawing d(window, palette);
    d.UsePen(d.MakePen(1, colour));
    d.UseBrush(d.MakeHollowBrush());
    int bubbles = RandomBelow(4);
    int cx = x, cy = y;
    for (int i = 0; i < bubbles; i++) {
        int q = RandomBelow(7 * size);
        cx += RandomBelow(20) - 10;
        cy += RandomBelow(20) - 10;
        Ellipse(d.dc(), cx - q, cy - q, cx + q, cy + q);
    }
}
