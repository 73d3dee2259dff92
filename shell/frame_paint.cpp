// The frame's painting: its background, the colour panel and the shade.
#include "shell/colours.h"
#include "shell/frame.h"
#include "shell/state.h"

void PaintFrame() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(frameWindow, &paint);
    HPALETTE oldPalette = SelectPalette(dc, appPalette, TRUE);
    RealizePalette(dc);
    HPEN pen = CreatePen(PS_SOLID, 1, kFrameBackground);
    HBRUSH brush = CreateSolidBrush(kFrameBackground);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, 0, 0, screenWidth, screenHeight);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    SelectPalette(dc, oldPalette, TRUE);
    EndPaint(frameWindow, &paint);
    DeleteObject(pen);
    DeleteObject(brush);
    DrawColourPanel(colourFamily);
}

void DrawColourPanel(int) {
    colourShade = 5;
    SelectShade(5);
}

void SelectShade(int shade) {
    colourShade = shade;
    currentColour = paletteColours[colourFamily * 10 + shade];
}
