// The full-screen frame: its window procedure, its start-up work, and its painting and input.
#pragma once

#include "platform/win32.h"

LRESULT CALLBACK PaintWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Leaves the picture chooser's view: the canvas and its picture come back.
void ReturnToCanvas();

void PaintFrame();
// Draws the colour buttons and the family's shades, and selects shade 5.
void DrawColourPanel(int family);
void SelectShade(int shade);
void FrameClick(LPARAM point);
void FrameCharacter(WPARAM code);
