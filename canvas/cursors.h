// The canvas's cursors: one for each tool state, loaded with the canvas and freed with it.
#pragma once

#include "platform/win32.h"

constexpr int kCursorSlots = 23;
// Slot 22 is the stamp's cursor, which the option bar makes from the current stamp.
constexpr int kStampCursorSlot = 22;

extern HCURSOR cursorTable[kCursorSlots];
extern HCURSOR arrowCursor;

void LoadToolCursors();
void DestroyToolCursors();
HCURSOR CursorForToolState(int state);
