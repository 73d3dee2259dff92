// The option-bar effects that transform the whole visible picture in place: inverting, zooming,
// shrinking, greying, striping and inverting random rectangles. The snapshot in pictureDC keeps the
// picture from before for undo.
#include "effects/canvas_effects.h"

#include <array>

#include "base/colours.h"
#include "base/random.h"
#include "base/state.h"
#include "canvas/canvas.h"
#include "draw/draw.h"
#include "draw/drawing.h"

namespace {

int Average(COLORREF c) { return (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3; }

// The palette's eight greys run from entry 68, the darkest, up to entry 61.
constexpr int kDarkestGrey = 68, kLightestGrey = 61;

// For each average brightness 0 to 255, the darkest grey brighter than it, or the lightest grey when none
// is; worked out once a call rather than once a pixel.
std::array<COLORREF, 256> GreysAbove() {
    std::array<COLORREF, 256> greys;
    for (int b = 0; b < 256; b++) {
        greys[size_t(b)] = paletteColours[kLightestGrey];
        for (int i = kDarkestGrey; i >= kLightestGrey; i--)
            if (Average(paletteColours[i]) > b) {
                greys[size_t(b)] = paletteColours[i];
                break;
            }
    }
    return greys;
}

// The stretch mode stays the context's default, so the shrunk picture's pixels are ANDed together.
void ShrinkOnce(HDC dc, int w, int h) {
    StretchBlt(dc, w / 20, h / 20, w - w / 10, h - h / 10, dc, 0, 0, w - 3, h - 3, SRCCOPY);
}

}  // namespace

// The one effect that leaves the palette alone: it inverts the device's own pixel values.
void InvertCanvas() {
    Drawing d(canvasWindow, nullptr);
    BitBlt(d.dc(), 0, 0, canvasWidth, canvasHeight, nullptr, 0, 0, DSTINVERT);
}

void ZoomCanvasCentre() {
    Drawing d(canvasWindow, appPalette);
    int w = canvasWidth, h = canvasHeight;
    StretchBlt(d.dc(), 0, 0, w, h, d.dc(), w / 10, h / 10, w - 2 * (w / 10), h - 2 * (h / 10), SRCCOPY);
}

void ShrinkCanvasStep(HWND window, HPALETTE palette, int width, int height) {
    Drawing d(window, palette);
    ShrinkOnce(d.dc(), width, height);
}

void ShrinkCanvasTenTimes() {
    Drawing d(canvasWindow, appPalette);
    for (int i = 0; i < 10; i++) ShrinkOnce(d.dc(), canvasWidth, canvasHeight);
}

void GreyCanvas() {
    Drawing d(canvasWindow, appPalette);
    HDC dc = d.dc();
    const std::array<COLORREF, 256> greys = GreysAbove();
    for (int x = 0; x < canvasWidth; x++)
        for (int y = 0; y < canvasHeight; y++) {
            COLORREF c = GetPixel(dc, x, y);
            COLORREF flagged = PaletteColour(c);
            if (flagged == PaletteColour(0) || flagged == PaletteColour(0xFFFFFF)) continue;
            SetPixel(dc, x, y, PaletteColour(greys[size_t(Average(c))]));
        }
}

void StripeCanvas(int direction) {
    TakeSnapshot();
    Drawing d(canvasWindow, appPalette);
    HDC dc = d.dc();
    d.UsePen(d.MakePlainPen(1, kPlainWhite));
    if (direction == kHorizontalStripes) {
        for (int y = 0; y < canvasHeight; y += 2) DrawLine(dc, 0, y, canvasWidth, y);
    } else {
        for (int x = 0; x < canvasWidth; x += 2) DrawLine(dc, x, 0, x, canvasHeight);
    }
}

void InvertRandomRectangles() {
    Drawing d(canvasWindow, appPalette);
    for (int i = 0; i < 300; i++) {
        int x = RandomBelow(canvasWidth);
        int y = RandomBelow(canvasHeight);
        int a = RandomBelow(100);
        int b = RandomBelow(100);
        RECT r{x - a, y - b, x + a, y + b};
        InvertRect(d.dc(), &r);
    }
}
