// The colour table every colour of the program comes from, and the palette built from it.
#pragma once

#include "platform/win32.h"

constexpr int kPaletteSize = 181;
// 16 families of 10 shades, light to dark, then 21 single colours.
constexpr int kFamilyColours = 160;

// Drawing colours are handed over palette-relative: the device takes the nearest entry of appPalette.
constexpr COLORREF kPaletteRelative = 0x02000000;
// The frame's and the option strip's navy, entry 39 of the table.
constexpr COLORREF kFrameBackground = 0x027F0000;
// The chosen option button's outline and background, and the width chooser's samples.
constexpr COLORREF kHighlight = 0x02E48C00;
// Colours as they are, not through the palette: white for the exclusive-or outlines and what the erasing
// tools whiten; the others for the effects, which add the palette flag themselves where they want it.
constexpr COLORREF kPlainWhite = 0xFFFFFF, kPlainBlack = 0x000000, kPlainSilver = 0xC0C0C0, kPlainGrey = 0x808080,
                   kPlainRed = 0x0000FF, kPlainGreen = 0x00FF00;

extern COLORREF paletteColours[kPaletteSize];

void FillPaletteColours();
// The logical palette of the table, built in a movable local block as the platform expects.
HPALETTE BuildAppPalette();
