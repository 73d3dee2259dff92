// The width, rainbow and pattern choosers in the chooser area.
#include "options/choosers.h"

#include "base/colours.h"
#include "base/frame_layout.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/cursors.h"
#include "canvas/stamp.h"
#include "draw/draw.h"
#include "draw/fill_brush.h"
#include "draw/frame_drawing.h"
#include "options/option_strip.h"

namespace {

// The knob's ball: body, highlight and shadow, as palette entries.
COLORREF KnobBody() { return paletteColours[93] | kPaletteRelative; }
COLORREF KnobLight() { return paletteColours[90] | kPaletteRelative; }
COLORREF KnobShadow() { return paletteColours[99] | kPaletteRelative; }

void Line(HDC dc, int x1, int y1, int x2, int y2) { DrawLine(dc, x1, y1, x2, y2); }

// The two strokes of light and of shadow on a knob centred at (x, a), as the width chooser's and the
// rainbow chooser's have them.
void DrawKnobShine(Drawing& d, int x, int a) {
    HDC dc = d.dc();
    HPEN light = d.MakePlainPen(1, KnobLight());
    HPEN shadow = d.MakePlainPen(1, KnobShadow());
    HGDIOBJ kept = d.Use(light);
    Line(dc, x - 1, a - 2, x, a - 2);
    Line(dc, x - 1, a - 1, x + 3, a - 3);
    d.Use(shadow);
    Line(dc, x + 1, a + 2, x + 5, a + 1);
    Line(dc, x, a + 3, x + 5, a);
    d.Use(kept);
}


}  // namespace

void ClearChooserArea() {
    Drawing d(Drawing::kFrame);
    DrawNavyRectangle(d, kChooserArea);
    NoteChoosersHidden();
    if (IsStampGroup(CurrentStrip().toolGroup)) MakeStampCursor(d.dc(), StampIcon());
}

void DrawWidthChooser() {
    Drawing d(Drawing::kFrame);
    HDC dc = d.dc();
    // The knob's track goes under navy.
    DrawNavyRectangle(d, kWidthKnobArea);
    HPEN highlight = d.MakePlainPen(1, kHighlight);
    HBRUSH body = d.MakePlainSolidBrush(KnobBody());
    d.Use(highlight);
    for (const WidthChooserRow& row : kWidthChooserRows)
        for (int y = row.sampleTop; y <= row.sampleBottom; y++) Line(dc, kWidthSampleLeft, y, kWidthSampleRight, y);
    int width = CurrentBrush().penWidth;
    int a = kWidthChooserRows[(width >= 1 && width <= kPenWidths ? width : 1) - 1].knobY;
    Line(dc, kWidthKnobX, kWidthTrackTop, kWidthKnobX, kWidthTrackBottom);
    Line(dc, kWidthKnobX + 1, kWidthTrackTop, kWidthKnobX + 1, kWidthTrackBottom);
    d.Use(body);
    Ellipse(dc, kWidthKnobX - 3, a - 4, kWidthKnobX + 5, a + 4);
    DrawKnobShine(d, kWidthKnobX, a);
    NoteChooserShown(Chooser::kWidth);
}

void DrawRainbowChooser() {
    Drawing d(Drawing::kFrame);
    HDC dc = d.dc();
    // Read afresh each time the chooser is drawn.
    DrawPictureFile(dc, "A4.MUB", kSideChooserLeft, 0, kSideChooserWidth, kCanvasTop, kSideChooserWidth, kCanvasTop);
    int a = CurrentBrush().rainbowMode ? kRainbowKnobY : kOneColourKnobY;
    d.Use(GetStockObject(BLACK_PEN));
    d.Use(d.MakePlainSolidBrush(KnobBody()));
    Ellipse(dc, kRainbowKnobX - 4, a - 4, kRainbowKnobX + 4, a + 4);
    DrawKnobShine(d, kRainbowKnobX, a);
    NoteChooserShown(Chooser::kRainbow);
}

void DrawPatternChooser() {
    Drawing d(Drawing::kFrame);
    HDC dc = d.dc();
    DrawPictureFile(dc, "A3.MUB", kSideChooserLeft, 0, kSideChooserWidth, kCanvasTop, kSideChooserWidth, kCanvasTop);
    const BrushChoice& brush = CurrentBrush();
    COLORREF colour = brush.currentColour | kPaletteRelative;
    // The hollow pattern's swatch is white, without the palette.
    int hatch = FillPatternHatch(brush.fillPattern);
    d.Use(brush.fillPattern == 1 ? d.MakePlainSolidBrush(kPlainWhite)
          : hatch >= 0     ? d.MakeHatchBrush(hatch, colour)
                           : d.MakePlainSolidBrush(colour));
    POINT at = kPatternSwatchPoint;
    ExtFloodFill(dc, at.x, at.y, GetPixel(dc, at.x, at.y) | kPaletteRelative, FLOODFILLSURFACE);
    NoteChooserShown(Chooser::kPattern);
}
