// The tool state machine: what a press, a move and a release on the canvas do in each toolState.
#pragma once

#include "platform/win32.h"

// 1 from a press that starts a stroke until its release; moves are ignored while it is 0.
extern int strokeActive;
// The tools' scratch points; never cleared, so a tool may see what the one before left.
extern POINT pointA, pointB, pointC, pointD;

void ToolPress(POINT point);
void ToolMove(POINT point);
void ToolRelease(POINT point);
// The right button: the stroke stops following the mouse, nothing is finished.
void ToolStop();
