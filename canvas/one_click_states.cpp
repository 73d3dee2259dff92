// The tools whose press does all the work: the flood fill, the stamp, the blob trail and the splat.
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/marks.h"
#include "canvas/tool_states.h"
#include "canvas/tools.h"
#include "draw/canvas_drawing.h"
#include "draw/draw.h"
#include "draw/fill_brush.h"
#include "options/choosers.h"

namespace {

constexpr COLORREF kBlack = 0;

// The area of the press pixel's colour takes the current colour or its hatch; a pixel already in the
// current colour, or a black outline in colouring mode, is left as it is, silently.
void Fill(POINT a) {
    CanvasDrawing d(canvasWindow, appPalette);
    COLORREF under = GetPixel(d.dc(), a.x, a.y);
    if (under == CurrentBrush().currentColour || (CurrentBrush().colouringMode && under == kBlack)) return;
    PlaySoundEffect(kFillSound);
    SetBkMode(d.dc(), TRANSPARENT);
    d.UseBrush(MakeFillBrush(d, CurrentBrush().fillPattern, CurrentBrush().currentColour, kNeverHollow));
    ExtFloodFill(d.dc(), a.x, a.y, PaletteColour(GetPixel(d.dc(), a.x, a.y)), FLOODFILLSURFACE);
    strokeActive = 0;
}

// Centred on the press point, whatever the stamp; drawn without the palette.
void Stamp(POINT a) {
    PlayStampSound();
    HDC dc = GetDC(canvasWindow);
    DrawIcon(dc, a.x - 16, a.y - 16, stampIcon);
    ReleaseDC(canvasWindow, dc);
    strokeActive = 1;
}

}  // namespace

bool PressOneClickState(int state) {
    POINT a = pointA;
    switch (state) {
        case kFillState: Fill(a); return true;
        case kStampState: Stamp(a); return true;
        case kBlobState:
            PlaySoundEffect(kBurstSound);
            DrawBlobTrail(a.x, a.y, canvasWindow, appPalette, CurrentBrush().currentColour);
            strokeActive = 0;
            return true;
        case kSplatState:
            DrawSplatPolygon(a.x, a.y);
            strokeActive = 0;
            return true;
        default:
            return false;
    }
}
