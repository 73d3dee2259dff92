// The small choosers of the option strip, and the stamp's cursor made from the current stamp.
#pragma once

#include "platform/win32.h"

extern HICON stampIcon;
extern HCURSOR stampCursor;
// stampCursor was made here and must be destroyed before the next one is made.
extern int stampCursorExists;

// The choosers, drawn in the chooser area of the option strip.
void DrawWidthChooser();
void DrawPatternChooser();
void DrawRainbowChooser();
