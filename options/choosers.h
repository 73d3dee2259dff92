// The small choosers of the option strip.
#pragma once

#include "platform/win32.h"

// Blanks the chooser area; on a stamp page it also makes the stamp's cursor from the stamp.
void ClearChooserArea();
void DrawWidthChooser();
void DrawPatternChooser();
void DrawRainbowChooser();
