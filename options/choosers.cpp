// The width, rainbow and pattern choosers in the chooser area, and the stamp cursor.
#include "options/choosers.h"

#include "base/colours.h"
#include "base/state.h"
#include "draw/draw.h"
#include "options/pages.h"
#include "shell/frame_drawing.h"

HICON stampIcon;
HCURSOR stampCursor;
int stampCursorExists;

namespace {

constexpr COLORREF kHighlight = 0x02E48C00;

// The knob's ball: body, highlight and shadow, as palette entries.
COLORREF KnobBody() { return paletteColours[93] | kPaletteRelative; }
COLORREF KnobLight() { return paletteColours[90] | kPaletteRelative; }
COLORREF KnobShadow() { return paletteColours[99] | kPaletteRelative; }

void Line(HDC dc, int x1, int y1, int x2, int y2) { DrawLine(dc, x1, y1, x2, y2); }

// The two strokes of light and of shadow on a knob centred at (x, a), as the width chooser's (x 348)
// and the rainbow chooser's (x 383) have them.
void DrawKnobShine(HDC dc, int x, int a) {
    HPEN light = CreatePen(PS_SOLID, 1, KnobLight());
    HPEN shadow = CreatePen(PS_SOLID, 1, KnobShadow());
    HGDIOBJ kept = SelectObject(dc, light);
    Line(dc, x - 1, a - 2, x, a - 2);
    Line(dc, x - 1, a - 1, x + 3, a - 3);
    SelectObject(dc, shadow);
    Line(dc, x + 1, a + 2, x + 5, a + 1);
    Line(dc, x, a + 3, x + 5, a);
    SelectObject(dc, kept);
    DeleteObject(light);
    DeleteObject(shadow);
}

// The stamp as a cursor: transparent where the icon is, white where it is pure white, black elsewhere.
void MakeStampCursor(HDC frame) {
    if (stampCursorExists == 1) DestroyCursor(stampCursor);
    stampCursorExists = 0;
    HDC w = CreateCompatibleDC(frame), k = CreateCompatibleDC(frame), m = CreateCompatibleDC(frame);
    HBITMAP wb = CreateBitmap(32, 32, 1, 1, nullptr), kb = CreateBitmap(32, 32, 1, 1, nullptr),
            mb = CreateBitmap(32, 32, 1, 1, nullptr);
    HGDIOBJ wOld = SelectObject(w, wb), kOld = SelectObject(k, kb), mOld = SelectObject(m, mb);
    PatBlt(w, 0, 0, 32, 32, WHITENESS);
    PatBlt(k, 0, 0, 32, 32, BLACKNESS);
    DrawIcon(w, 0, 0, stampIcon);
    DrawIcon(k, 0, 0, stampIcon);
    BitBlt(m, 0, 0, 32, 32, w, 0, 0, SRCCOPY);
    BitBlt(m, 0, 0, 32, 32, k, 0, 0, SRCINVERT);
    BYTE xorBits[128] = {}, andBits[128] = {};
    SelectObject(k, kOld);
    SelectObject(m, mOld);
    GetBitmapBits(kb, sizeof xorBits, xorBits);
    GetBitmapBits(mb, sizeof andBits, andBits);
    stampCursor = CreateCursor(appInstance, 16, 16, 32, 32, andBits, xorBits);
    SelectObject(w, wOld);
    DeleteDC(w);
    DeleteDC(k);
    DeleteDC(m);
    DeleteObject(wb);
    DeleteObject(kb);
    DeleteObject(mb);
    stampCursorExists = 1;
}

}  // namespace

void ClearChooserArea() {
    FrameDrawing d;
    DrawNavyRectangle(d.dc(), 310, 0, 440, 72);
    widthChooserShown = 0;
    patternChooserShown = 0;
    rainbowChooserShown = 0;
    if (IsStampGroup(toolGroup)) MakeStampCursor(d.dc());
}

void DrawWidthChooser() {
    static const int kSamples[8][2] = {{7, 7}, {12, 13}, {18, 20}, {24, 27}, {32, 36}, {41, 46}, {51, 57}, {61, 68}};
    static const int kKnob[8] = {7, 12, 19, 25, 34, 43, 54, 65};
    FrameDrawing d;
    HDC dc = d.dc();
    DrawNavyRectangle(dc, 341, 0, 359, 72);
    HPEN highlight = CreatePen(PS_SOLID, 1, kHighlight);
    HBRUSH body = CreateSolidBrush(KnobBody());
    SelectObject(dc, highlight);
    for (const auto& rows : kSamples)
        for (int y = rows[0]; y <= rows[1]; y++) Line(dc, 315, y, 340, y);
    int a = kKnob[(penWidth >= 1 && penWidth <= 8 ? penWidth : 1) - 1];
    Line(dc, 348, 7, 348, 66);
    Line(dc, 349, 7, 349, 66);
    SelectObject(dc, body);
    Ellipse(dc, 345, a - 4, 353, a + 4);
    DrawKnobShine(dc, 348, a);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(highlight);
    DeleteObject(body);
    widthChooserShown = 1;
}

void DrawRainbowChooser() {
    FrameDrawing d;
    HDC dc = d.dc();
    // Read afresh each time the chooser is drawn.
    DrawPictureFile(dc, "A4.MUB", 360, 0, 30, 72, 30, 72);
    int a = rainbowMode == 1 ? 43 : 8;
    HBRUSH body = CreateSolidBrush(KnobBody());
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, body);
    Ellipse(dc, 379, a - 4, 387, a + 4);
    DrawKnobShine(dc, 383, a);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(body);
    rainbowChooserShown = 1;
}

void DrawPatternChooser() {
    static const int kHatches[6] = {HS_BDIAGONAL, HS_FDIAGONAL, HS_HORIZONTAL, HS_VERTICAL, HS_DIAGCROSS, HS_CROSS};
    FrameDrawing d;
    HDC dc = d.dc();
    DrawPictureFile(dc, "A3.MUB", 360, 0, 30, 72, 30, 72);
    COLORREF colour = currentColour | kPaletteRelative;
    HBRUSH swatch = fillPattern == 1   ? CreateSolidBrush(RGB(255, 255, 255))
                    : fillPattern >= 3 && fillPattern <= 8 ? CreateHatchBrush(kHatches[fillPattern - 3], colour)
                                                           : CreateSolidBrush(colour);
    SelectObject(dc, swatch);
    ExtFloodFill(dc, 372, 56, GetPixel(dc, 372, 56) | kPaletteRelative, FLOODFILLSURFACE);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(swatch);
    patternChooserShown = 1;
}
