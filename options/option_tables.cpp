#include "options/option_tables.h"

#include "effects/canvas_effects.h"
#include "shell/state.h"

namespace {

constexpr int W = kWidth, R = kRainbow, P = kPattern;

OptionRow Tool(int icon, int state, int choosers) { return {OptionRow::kTool, state, choosers, icon}; }
OptionRow Effect(int icon, void (*effect)(), int sound) { return {OptionRow::kEffect, 0, kNoChoosers, icon, sound, effect}; }

const OptionRow kBrushPages[4][12] = {
    {Tool(1, 1, W | R), Tool(3, 3, P), Tool(5, 2, W | R), Tool(12, 13, 0), Tool(13, 14, 0), Tool(20, 20, R),
     Tool(18, 18, W | R), Tool(19, 19, R), Tool(14, 15, W), Tool(15, 7, P), Tool(23, 24, W | R), Tool(25, 25, R)},
    {Tool(2, 9, W | P), Tool(9, 10, W | P), Tool(11, 12, W | P), Tool(7, 4, W | P), Tool(8, 5, W | P),
     Tool(10, 11, W | P), Tool(6, 6, W), Tool(16, 16, 0), Tool(17, 17, 0), Tool(21, 21, W | R), Tool(22, 22, W | R),
     Tool(24, 23, W | R)},
    {Tool(128, 61, W | R), Tool(129, 32, 0), Tool(130, 62, W | R), Tool(131, 34, W | R), Tool(132, 35, R),
     Tool(133, 36, W | R), Tool(134, 37, W | R), Tool(135, 38, W), Tool(136, 39, W | R), Tool(137, 40, W),
     Tool(138, 41, W), Tool(139, 42, W)},
    {Tool(140, 43, W | R), Tool(141, 44, 0), Tool(142, 45, 0), Tool(143, 46, 0), Tool(144, 47, 0), Tool(145, 48, W),
     Tool(146, 49, W), Tool(147, 50, W | R), Tool(148, 51, W | R), Tool(149, 52, W), Tool(150, 53, 0),
     Tool(151, 54, W | R)},
};

const OptionRow kRegionPage1[12] = {
    Tool(34, 8, 0),
    Tool(35, 26, 0),
    Tool(37, 28, 0),
    Tool(38, 27, 0),
    Effect(36, InvertCanvas, 27),
    Effect(39, ZoomCanvasCentre, 0),
    Effect(40, [] { ShrinkCanvasStep(canvasWindow, appPalette, canvasWidth, canvasHeight); }, 42),
    Effect(41, GreyCanvas, 0),
    Tool(192, 55, 0),
    Effect(193, ShrinkCanvasTenTimes, 15),
    Effect(194, [] { StripeCanvas(2); }, 0),
    Effect(195, [] { StripeCanvas(1); }, 0),
};

OptionRow Selection(int icon, int mode) {
    OptionRow row = Tool(icon, 59, 0);
    row.selection = mode;
    return row;
}

OptionRow ZoomRegion() {
    OptionRow row = Tool(203, 57, 0);
    row.sound = 34;
    return row;
}

const OptionRow kRegionPage2[12] = {
    Selection(196, 1),
    Effect(197, JumbleCanvas, 12),
    Effect(198, [] { SwapCanvasHalves(1); }, 13),
    Tool(199, 56, 0),
    Effect(200, CrackCanvas, 10),
    Effect(201, FlipRandomPatches, 0),
    Effect(202, InvertRandomRectangles, 27),
    ZoomRegion(),
    Tool(204, 58, 0),
    Effect(205, QuarterCanvas, 26),
    Effect(206, DrawViewfinder, 19),
    Selection(207, 2),
};

// The first icon of each stamp page, groups 5 to 12; the page's twelve icons follow it.
constexpr int kStampPageFirstIcon[8] = {52, 64, 76, 88, 100, 112, 156, 168};

const int kEffectsPageIcons[2][12] = {
    {26, 27, 28, 29, 30, 31, 32, 33, 152, 153, 154, 155},
    {183, 184, 185, 186, 187, 188, 189, 190, 191, 180, 181, 182},
};

}  // namespace

bool FindOptionRow(int toolGroup, int n, OptionRow& row) {
    if (n < 1 || n > 12) return false;
    if (toolGroup >= 1 && toolGroup <= 4) {
        row = kBrushPages[toolGroup - 1][n - 1];
    } else if (toolGroup >= 5 && toolGroup <= 12) {
        row = {OptionRow::kStamp, 30, kNoChoosers, kStampPageFirstIcon[toolGroup - 5] + n - 1};
    } else if (toolGroup == 17) {
        row = kRegionPage1[n - 1];
    } else if (toolGroup == 18) {
        row = kRegionPage2[n - 1];
    } else {
        return false;
    }
    return true;
}

int PageIcon(int toolGroup, int n) {
    if (toolGroup == 15 || toolGroup == 16) return n >= 1 && n <= 12 ? kEffectsPageIcons[toolGroup - 15][n - 1] : 0;
    if (toolGroup == 13) {
        const int files[5] = {49, 48, 50, 126, soundOn == 1 ? 209 : 210};
        return n >= 1 && n <= 5 ? files[n - 1] : 0;
    }
    OptionRow row;
    return FindOptionRow(toolGroup, n, row) ? row.icon : 0;
}
