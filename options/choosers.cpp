#include "options/choosers.h"

HICON stampIcon;
HCURSOR stampCursor;
int stampCursorExists;

void DrawWidthChooser() {}

void DrawPatternChooser() {}

void DrawRainbowChooser() {}
