// The frame's painting: its navy background, the quit picture and the left column, the colour buttons
// with the family's shades, and the shade slider.
#include "base/colours.h"
#include "base/frame_layout.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/canvas.h"
#include "canvas/selection.h"
#include "draw/draw.h"
#include "draw/drawing.h"
#include "draw/frame_drawing.h"
#include "options/select.h"
#include "shell/frame.h"

namespace {

// The picture behind the canvas shown again, and any repaint the canvas had pending dropped. A selection's
// marquee goes with it.
void ShowPictureOnCanvas() {
    {
        Drawing canvas(canvasWindow, appPalette);
        BitBlt(canvas.dc(), 0, 0, canvasWidth, canvasHeight, pictureDC, 0, 0, SRCCOPY);
    }
    ValidateRect(canvasWindow, nullptr);
    ForgetSelectionMarquee();
}

}  // namespace

void PaintFrame() {
    {
        Drawing d(Drawing::kFramePaint);
        HDC dc = d.dc();
        DrawNavyRectangle(d, {0, 0, screenWidth, screenHeight});
        SetStretchBltMode(dc, COLORONCOLOR);
        // The quit picture is stretched a little, to its place's size.
        DrawPictureFile(dc, "A1.MUB", screenWidth - kQuitPictureWidth, 1, kQuitPictureWidth, kQuitPictureHeight, 118,
                        70);
        DrawPictureFile(dc, "A2.MUB", 0, kLeftColumnTop, kCanvasLeft, kLeftColumnHeight, kCanvasLeft,
                        kLeftColumnHeight);
    }

    DrawColourPanel(CurrentBrush().colourFamily);
    if (CanvasFirstPaintDone()) ShowPictureOnCanvas();
    SelectOption(1);
    DrawColourPanel(CurrentBrush().colourFamily);
}

void DrawColourPanel(int family) {
    {
        Drawing d(Drawing::kFrame);
        HDC dc = d.dc();
        d.Use(d.MakePlainPen(1, RGB(0, 0, 0)));
        HBRUSH families[16], shades[kShades];
        for (int k = 0; k < 16; k++) families[k] = d.MakePlainSolidBrush(paletteColours[10 * k + 5] | kPaletteRelative);
        // Row by row, the left button before the right one.
        for (int i = 0; i < kColourButtonRows; i++)
            for (int button : {i, i + kColourButtonRows}) {
                d.Use(families[button]);
                RECT r = ColourButtonRect(button);
                Rectangle(dc, r.left, r.top, r.right, r.bottom);
            }
        for (int j = 0; j < kShades; j++)
            shades[j] = d.MakePlainSolidBrush(paletteColours[10 * family + j] | kPaletteRelative);
        for (int j = 0; j < kShades; j++) {
            d.Use(shades[j]);
            RECT r = ShadeSwatchRect(j);
            Rectangle(dc, r.left, r.top, r.right, r.bottom);
        }
    }
    SelectShade(5);
}

void SelectShade(int shade) {
    {
        Drawing d(Drawing::kFrame);
        HDC dc = d.dc();
        HPEN light = d.MakePlainPen(1, paletteColours[90] | kPaletteRelative);
        HPEN dark = d.MakePlainPen(1, paletteColours[99] | kPaletteRelative);
        HBRUSH knob = d.MakePlainSolidBrush(paletteColours[93] | kPaletteRelative);
        // The old slider goes under navy.
        DrawNavyRectangle(d, kShadeSliderArea);
        d.Use(GetStockObject(BLACK_PEN));
        DrawLine(dc, 9, 108, 9, 180);
        DrawLine(dc, 10, 108, 10, 180);
        int c = ShadeKnobY(shade);
        d.Use(knob);
        Ellipse(dc, 5, c - 4, 14, c + 4);
        d.Use(light);
        DrawLine(dc, 7, c - 2, 11, c - 2);
        DrawLine(dc, 7, c - 1, 13, c - 3);
        d.Use(dark);
        DrawLine(dc, 9, c + 2, 12, c + 1);
        DrawLine(dc, 8, c + 3, 13, c);
    }
    ChooseShade(shade);
}
