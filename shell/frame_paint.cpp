// The frame's painting: its navy background, the quit picture and the left column, the colour buttons
// with the family's shades, and the shade slider.
#include "base/colours.h"
#include "base/state.h"
#include "canvas/canvas.h"
#include "canvas/selection.h"
#include "draw/draw.h"
#include "options/select.h"
#include "shell/frame.h"
#include "shell/frame_drawing.h"

namespace {

// The picture behind the canvas shown again, and any repaint the canvas had pending dropped. A selection's
// marquee goes with it.
void ShowPictureOnCanvas() {
    HDC canvas = GetDC(canvasWindow);
    HPALETTE kept = SelectPalette(canvas, appPalette, TRUE);
    RealizePalette(canvas);
    BitBlt(canvas, 0, 0, canvasWidth, canvasHeight, pictureDC, 0, 0, SRCCOPY);
    SelectPalette(canvas, kept, TRUE);
    ReleaseDC(canvasWindow, canvas);
    ValidateRect(canvasWindow, nullptr);
    ForgetSelectionMarquee();
}

}  // namespace

void PaintFrame() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(frameWindow, &paint);
    HPALETTE keptPalette = SelectPalette(dc, appPalette, TRUE);
    RealizePalette(dc);
    HPEN pen = CreatePen(PS_SOLID, 1, kFrameBackground);
    HBRUSH brush = CreateSolidBrush(kFrameBackground);
    HGDIOBJ keptPen = SelectObject(dc, pen);
    HGDIOBJ keptBrush = SelectObject(dc, brush);
    Rectangle(dc, 0, 0, screenWidth, screenHeight);
    SetStretchBltMode(dc, COLORONCOLOR);
    DrawPictureFile(dc, "A1.MUB", screenWidth - 120, 1, 120, 71, 118, 70);
    DrawPictureFile(dc, "A2.MUB", 0, 190, 50, 290, 50, 290);
    SelectObject(dc, keptPen);
    SelectObject(dc, keptBrush);
    SelectPalette(dc, keptPalette, TRUE);
    EndPaint(frameWindow, &paint);
    DeleteObject(pen);
    DeleteObject(brush);

    DrawColourPanel(colourFamily);
    if (firstPaintPending == 0) ShowPictureOnCanvas();
    SelectOption(1);
    DrawColourPanel(colourFamily);
}

void DrawColourPanel(int family) {
    {
        FrameDrawing d;
        HDC dc = d.dc();
        HPEN black = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
        SelectObject(dc, black);
        HBRUSH families[16], shades[10];
        for (int k = 0; k < 16; k++) families[k] = CreateSolidBrush(paletteColours[10 * k + 5] | kPaletteRelative);
        for (int i = 0; i < 8; i++) {
            SelectObject(dc, families[i]);
            Rectangle(dc, 0, 13 * i, 25, 13 * i + 13);
            SelectObject(dc, families[i + 8]);
            Rectangle(dc, 25, 13 * i, 50, 13 * i + 13);
        }
        for (int j = 0; j < 10; j++) shades[j] = CreateSolidBrush(paletteColours[10 * family + j] | kPaletteRelative);
        for (int j = 0; j < 10; j++) {
            SelectObject(dc, shades[j]);
            Rectangle(dc, 20, 104 + 8 * j, 50, 112 + 8 * j);
        }
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        DeleteObject(black);
        for (HBRUSH b : families) DeleteObject(b);
        for (HBRUSH b : shades) DeleteObject(b);
    }
    colourShade = 5;
    SelectShade(5);
}

void SelectShade(int shade) {
    {
        FrameDrawing d;
        HDC dc = d.dc();
        HPEN light = CreatePen(PS_SOLID, 1, paletteColours[90] | kPaletteRelative);
        HPEN dark = CreatePen(PS_SOLID, 1, paletteColours[99] | kPaletteRelative);
        HBRUSH knob = CreateSolidBrush(paletteColours[93] | kPaletteRelative);
        // The old slider goes under navy.
        DrawNavyRectangle(dc, 0, 105, 19, 184);
        SelectObject(dc, GetStockObject(BLACK_PEN));
        DrawLine(dc, 9, 108, 9, 180);
        DrawLine(dc, 10, 108, 10, 180);
        int c = shade == 0 ? 109 : 108 + 8 * shade;
        SelectObject(dc, knob);
        Ellipse(dc, 5, c - 4, 14, c + 4);
        SelectObject(dc, light);
        DrawLine(dc, 7, c - 2, 11, c - 2);
        DrawLine(dc, 7, c - 1, 13, c - 3);
        SelectObject(dc, dark);
        DrawLine(dc, 9, c + 2, 12, c + 1);
        DrawLine(dc, 8, c + 3, 13, c);
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        DeleteObject(light);
        DeleteObject(dark);
        DeleteObject(knob);
    }
    colourShade = shade;
    currentColour = paletteColours[colourFamily * 10 + shade];
}
