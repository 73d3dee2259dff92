// The canvas's cursors: one for each tool state, loaded with the canvas and freed with it.
#pragma once

#include "canvas/tools.h"
#include "platform/win32.h"

void LoadToolCursors();
void DestroyToolCursors();
HCURSOR CursorForToolState(ToolState state);
// The stamp as a cursor: transparent where the icon is, white where it is pure white, black elsewhere.
void MakeStampCursor(HDC frame, HICON stamp);
// None until a stamp page first clears the chooser area.
HCURSOR StampCursor();
