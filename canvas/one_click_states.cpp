// The tools whose press does all the work: the flood fill, the stamp, the blob trail and the splat.
#include "base/colours.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/marks.h"
#include "canvas/stamp.h"
#include "canvas/tool_table.h"
#include "draw/draw.h"
#include "draw/drawing.h"
#include "draw/fill_brush.h"

namespace {

// The area of the press pixel's colour takes the current colour or its hatch; a pixel already in the
// current colour, or a black outline in colouring mode, is left as it is, silently.
void PressFill(CanvasStroke& stroke, ToolState) {
    const BrushChoice& brush = CurrentBrush();
    POINT a = stroke.from;
    Drawing d(canvasWindow, appPalette);
    COLORREF under = GetPixel(d.dc(), a.x, a.y);
    if (under == brush.currentColour || (brush.colouringMode && under == kPlainBlack)) return;
    PlaySoundEffect(kFillSound);
    SetBkMode(d.dc(), TRANSPARENT);
    d.UseBrush(MakeFillBrush(d, brush.fillPattern, brush.currentColour, kNeverHollow));
    ExtFloodFill(d.dc(), a.x, a.y, PaletteColour(GetPixel(d.dc(), a.x, a.y)), FLOODFILLSURFACE);
}

// Centred on the press point, whatever the stamp; drawn without the palette.
void PressStamp(CanvasStroke& stroke, ToolState) {
    PlayStampSound();
    Drawing d(canvasWindow, nullptr);
    DrawIcon(d.dc(), stroke.from.x - 16, stroke.from.y - 16, StampIcon());
}

void PressBlobTrail(CanvasStroke& stroke, ToolState) {
    DrawBlobTrail(canvasWindow, appPalette, stroke.from.x, stroke.from.y, CurrentBrush().currentColour);
}

void PressSplat(CanvasStroke& stroke, ToolState) { DrawSplatPolygon(stroke.from.x, stroke.from.y); }

const ToolRow kRows[] = {
    // The fill's sound plays only when it fills.
    {.state = kFillState, .press = PressFill, .cursor = kFillCursor, .oneClick = true},
    // The stamp's cursor is made from the stamp; its sound is its own.
    {.state = kStampState, .press = PressStamp},
    {.state = kBlobState, .press = PressBlobTrail, .cursor = kConfettiCursor, .pressSound = kBurstSound,
     .oneClick = true},
    // The splat plays its sound itself, once it has made its polygon.
    {.state = kSplatState, .press = PressSplat, .cursor = kConfettiCursor, .oneClick = true},
};

}  // namespace

std::span<const ToolRow> OneClickRows() { return kRows; }
