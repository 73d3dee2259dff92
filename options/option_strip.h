// What the option strip shows: its page, the option chosen there and the choosers beside it. The strip's
// pages, choosers and selection change it; everything else reads it.
#pragma once

#include "base/tool_groups.h"

struct OptionStrip {
    ToolGroup toolGroup = kNoToolGroup;
    int selectedOption = 0;
    bool widthChooserShown = false;
    bool patternChooserShown = false;
    bool rainbowChooserShown = false;
};

enum class Chooser { kWidth, kPattern, kRainbow };

const OptionStrip& CurrentStrip();

void SetStripPage(ToolGroup group, int selectedOption);
void SetSelectedOption(int n);
void NoteChooserShown(Chooser chooser);
void NoteChoosersHidden();
