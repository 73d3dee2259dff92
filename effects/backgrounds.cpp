// The effects pages' new backgrounds and erasers: colour noise, rings, a radar screen, white halves, a
// slide out of the page, a wooden frame and rainbow stripes.
#include <array>

#include "base/colours.h"
#include "base/random.h"
#include "base/state.h"
#include "draw/draw.h"
#include "draw/drawing.h"
#include "effects/page_actions.h"

namespace {

COLORREF RandomFamilyColour() { return PaletteColour(paletteColours[RandomBelow(kFamilyColours)]); }

}  // namespace

void ColourNoise() {
    Drawing d(canvasWindow, appPalette);
    for (int x = 0; x < canvasWidth; x++)
        for (int y = 0; y < canvasHeight; y++) SetPixel(d.dc(), x, y, RandomFamilyColour());
}

void RingBurst() {
    Drawing d(canvasWindow, appPalette);
    HDC dc = d.dc();
    d.UseBrush(d.MakeHollowBrush());
    int cx = canvasWidth / 2, cy = canvasHeight / 2;
    for (int r = 1; r < 400; r += 3) {
        HPEN pen = CreatePen(PS_SOLID, 3, RandomFamilyColour());
        d.UsePen(pen);
        Ellipse(dc, cx - r, cy - r, cx + r, cy + r);
        d.UsePen(GetStockObject(BLACK_PEN));
        DeleteObject(pen);
    }
    PatBlt(dc, 0, 0, canvasWidth, canvasHeight, WHITENESS);
}

void DrawRadarScreen(HWND window, HPALETTE palette, int w, int h) {
    Drawing d(window, palette);
    HDC dc = d.dc();
    d.UsePen(d.MakePlainPen(1, kPlainSilver));
    d.UseBrush(d.MakePlainSolidBrush(kPlainSilver));
    Rectangle(dc, 0, 0, w, h);
    d.UseBrush(d.MakePlainSolidBrush(kPlainBlack));
    d.UsePen(d.MakePlainPen(1, kPlainGreen));
    // A circle as high as the canvas in its middle, with its cross-hairs.
    int l = (w - h) / 2;
    Ellipse(dc, l, 0, w - l, h);
    DrawLine(dc, l, h / 2, w - l, h / 2);
    DrawLine(dc, w / 2, 0, w / 2, h);
}

void WhiteHalf(HWND window, HPALETTE palette, int w, int h, int side) {
    Drawing d(window, palette);
    d.UsePen(d.MakePlainPen(1, kPlainWhite));
    d.UseBrush(d.MakePlainSolidBrush(kPlainWhite));
    switch (side) {
        case kLeftHalf: Rectangle(d.dc(), 0, 0, w / 2, h); break;
        case kRightHalf: Rectangle(d.dc(), w / 2, 0, w, h); break;
        case kTopHalf: Rectangle(d.dc(), 0, 0, w, h / 2); break;
        case kBottomHalf: Rectangle(d.dc(), 0, h / 2, w, h); break;
        default: break;
    }
}

void SlideOut(HWND window, HPALETTE palette, int w, int h, HDC source) {
    Drawing d(window, palette);
    HDC dc = d.dc();
    d.UseBrush(GetStockObject(WHITE_BRUSH));
    d.UsePen(GetStockObject(WHITE_PEN));
    for (int y = 0; y < h; y += 20) {
        Rectangle(dc, 0, 0, w, y + 1);
        BitBlt(dc, 0, y, w, h, source, 0, 0, SRCCOPY);
    }
    PatBlt(dc, 0, 0, w, h, WHITENESS);
}

void DrawWoodenFrame() {
    Drawing d(canvasWindow, appPalette);
    HDC dc = d.dc();
    int w = canvasWidth, h = canvasHeight;
    PatBlt(dc, 0, 0, w, h, WHITENESS);
    // Three browns, twenty one-pixel outlines each, from the edge inwards.
    const int browns[3] = {43, 44, 45};
    for (int band = 0; band < 3; band++) {
        HPEN pen = d.MakePen(1, paletteColours[browns[band]]);
        d.UsePen(pen);
        for (int i = 20 * band; i < 20 * band + 20; i++) DrawRectOutline(dc, i, i, w - i, h - i);
    }
}

void RainbowStripes(int direction) {
    Drawing d(canvasWindow, appPalette);
    HDC dc = d.dc();
    std::array<HPEN, kFamilyColours> pens;
    for (int i = 0; i < kFamilyColours; i++) pens[size_t(i)] = d.MakePen(1, paletteColours[i]);
    if (direction == kVerticalStripes) {
        for (int x = 0; x < canvasWidth; x++) {
            d.UsePen(pens[size_t(RandomBelow(kFamilyColours))]);
            DrawLine(dc, x, 0, x, canvasHeight);
        }
    } else {
        for (int y = 0; y < canvasHeight; y++) {
            d.UsePen(pens[size_t(RandomBelow(kFamilyColours))]);
            DrawLine(dc, 0, y, canvasWidth, y);
        }
    }
}
