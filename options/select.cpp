// Choosing an option button: the highlight moves to it, then its row of the page's table is applied.
#include "options/select.h"

#include <string>

#include "base/colours.h"
#include "base/sound.h"
#include "base/state.h"
#include "draw/draw.h"
#include "options/choosers.h"
#include "options/option_tables.h"
#include "shell/frame_drawing.h"

namespace {

constexpr COLORREF kHighlight = 0x02E48C00;

POINT OptionOrigin(int n) { return n < 7 ? POINT{35 * n + 25, 2} : POINT{35 * n - 185, 38}; }

// The old button's outline and background back to navy, then the new one's outline and background, all
// by flood fills from a point the icon leaves transparent.
void MoveHighlight(int from, int to) {
    FrameDrawing d;
    HDC dc = d.dc();
    HBRUSH navy = CreateSolidBrush(kFrameBackground);
    HPEN highlightPen = CreatePen(PS_SOLID, 1, kHighlight);
    HBRUSH highlight = CreateSolidBrush(kHighlight);

    POINT old = OptionOrigin(from);
    int oldY = from < 7 ? 1 : 38;
    SelectObject(dc, navy);
    ExtFloodFill(dc, old.x, oldY, GetPixel(dc, old.x, oldY) | kPaletteRelative, FLOODFILLSURFACE);

    POINT p = OptionOrigin(to);
    SelectObject(dc, highlightPen);
    SelectObject(dc, highlight);
    DrawRectOutline(dc, p.x - 1, p.y - 1, p.x + 33, p.y + 33);
    ExtFloodFill(dc, p.x, p.y, GetPixel(dc, p.x, p.y) | kPaletteRelative, FLOODFILLSURFACE);

    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(highlightPen);
    DeleteObject(navy);
    DeleteObject(highlight);
}

void ShowChoosers(int choosers) {
    if (choosers & kWidth) DrawWidthChooser();
    if (choosers & kRainbow) DrawRainbowChooser();
    if (choosers & kPattern) DrawPatternChooser();
}

void ApplyRow(const OptionRow& row) {
    switch (row.kind) {
        case OptionRow::kTool:
            toolState = row.state;
            if (row.selection >= 0) selectionMode = row.selection;
            ClearChooserArea();
            ShowChoosers(row.choosers);
            if (row.sound) PlaySoundEffect(row.sound, soundOn);
            break;
        case OptionRow::kStamp:
            stampIcon = LoadIconA(appInstance, ("ICON_" + std::to_string(row.icon)).c_str());
            ClearChooserArea();
            break;
        case OptionRow::kEffect:
            toolState = 0;
            ClearChooserArea();
            if (row.sound) PlaySoundEffect(row.sound, soundOn);
            row.effect();
            SelectOption(1);
            break;
    }
}

}  // namespace

void SelectOption(int n) {
    if (n == selectedOption) return;
    rainbowMode = 0;
    MoveHighlight(selectedOption, n);
    selectedOption = n;
    OptionRow row;
    if (FindOptionRow(toolGroup, n, row)) ApplyRow(row);
}
