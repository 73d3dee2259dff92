// What each option button of each page stands for.
#pragma once

#include "base/sound.h"
#include "canvas/tools.h"

// The choosers a tool shows, as bits.
enum Choosers { kNoChoosers = 0, kWidth = 1, kRainbow = 2, kPattern = 4 };

struct OptionRow {
    enum Kind { kTool, kStamp, kEffect } kind;
    ToolState state = kNoToolState;  // tool rows
    int choosers = kNoChoosers;  // tool rows
    int icon = 0;              // the icon's number (ICON_n)
    Sound sound = kNoSound;    // tool rows: the sound after the choosers
    int selection = -1;        // tool rows of the selection: the SelectionMode they set, -1 for none
};

// The row of option n (1 to 12) of a page; false for the files and effects pages, which have none.
bool FindOptionRow(int toolGroup, int n, OptionRow& row);
// The icon number of button n (1 to 12) of a page's icons, for pages that show icons; 0 for none.
int PageIcon(int toolGroup, int n);
