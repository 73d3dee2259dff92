// Choosing an option button: the highlight moves to it, then its row of the page's table is applied.
#include "options/select.h"

#include <string>

#include "base/colours.h"
#include "base/frame_layout.h"
#include "base/frame_requests.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/selection.h"
#include "canvas/stamp.h"
#include "draw/draw.h"
#include "draw/frame_drawing.h"
#include "options/choosers.h"
#include "options/option_strip.h"
#include "options/option_tables.h"

namespace {

// The old button's outline and background flooded back to navy, then the new one's outline drawn and its
// background flooded, each flood from a point the icon leaves transparent.
void MoveHighlight(int from, int to) {
    Drawing d(Drawing::kFrame);
    HDC dc = d.dc();
    HBRUSH navy = d.MakePlainSolidBrush(kFrameBackground);
    HPEN highlightPen = d.MakePlainPen(1, kHighlight);
    HBRUSH highlight = d.MakePlainSolidBrush(kHighlight);

    // The old highlight is flooded from its top outline in row 1 and from inside it in row 2.
    POINT old = OptionButtonOrigin(from);
    int oldY = from < 7 ? old.y - 1 : old.y;
    d.Use(navy);
    ExtFloodFill(dc, old.x, oldY, GetPixel(dc, old.x, oldY) | kPaletteRelative, FLOODFILLSURFACE);

    POINT p = OptionButtonOrigin(to);
    d.Use(highlightPen);
    d.Use(highlight);
    DrawRectOutline(dc, p.x - 1, p.y - 1, p.x + kOptionIconSize + 1, p.y + kOptionIconSize + 1);
    ExtFloodFill(dc, p.x, p.y, GetPixel(dc, p.x, p.y) | kPaletteRelative, FLOODFILLSURFACE);
}

void ShowChoosers(int choosers) {
    if (choosers & kWidth) DrawWidthChooser();
    if (choosers & kRainbow) DrawRainbowChooser();
    if (choosers & kPattern) DrawPatternChooser();
}

void ApplyRow(const OptionRow& row, int n) {
    switch (row.kind) {
        case OptionRow::kTool:
            SetToolState(row.state);
            if (row.selection >= 0) SetSelectionMode(SelectionMode(row.selection));
            ClearChooserArea();
            ShowChoosers(row.choosers);
            if (row.sound) PlaySoundEffect(row.sound);
            break;
        case OptionRow::kStamp:
            ChooseStamp(row.icon);
            ClearChooserArea();
            break;
        case OptionRow::kEffect:
            SetToolState(kNoToolState);
            ClearChooserArea();
            AskFrame(kRunRegionEffect, WPARAM(CurrentStrip().toolGroup), LPARAM(n));
            SelectOption(1);
            break;
    }
}

}  // namespace

void SelectOption(int n) {
    const int from = CurrentStrip().selectedOption;
    if (n == from) return;
    ChooseRainbow(false);
    MoveHighlight(from, n);
    SetSelectedOption(n);
    OptionRow row;
    if (FindOptionRow(CurrentStrip().toolGroup, n, row)) ApplyRow(row, n);
}
