// The small choosers of the option strip, and the stamp's cursor made from the current stamp.
#pragma once

#include "platform/win32.h"

extern HICON stampIcon;
extern HCURSOR stampCursor;
// stampCursor was made here and must be destroyed before the next one is made.
extern int stampCursorExists;

// Blanks the chooser area; on a stamp page it also makes the stamp's cursor from stampIcon.
void ClearChooserArea();
void DrawWidthChooser();
void DrawPatternChooser();
void DrawRainbowChooser();
