// The actions of the effects pages: wipes, backgrounds and scenes over the whole visible canvas. None
// writes into pictureDC, so undo brings back the picture from before.
#pragma once

#include "platform/win32.h"

// Modes 0 to 7: the middle outwards (0), black curtains (1), a dissolve (2), random squares (3), graph
// paper column by column (4), squares row by row (5), left to right (6), thick streaks (7). Every mode
// but 1 (black) and 4 (graph paper) ends white; any other mode draws nothing.
void ClearCanvasWithTransition(HWND window, HPALETTE palette, int w, int h, int mode);
void ColourNoise();
void RingBurst();
void DrawRadarScreen(int w, int h, HWND window, HPALETTE palette);
// Side 0 left, 1 right, 2 top, 3 bottom; any other side draws nothing.
void WhiteHalf(int side, HWND window, int w, int h, HPALETTE palette);
// Kind 1 a city, 2 a barn.
void DrawScene(int kind);
// The source slides down out of the canvas in 20-pixel steps and the page ends white.
void SlideOut(HWND window, HPALETTE palette, int w, int h, HDC source);
void DrawWoodenFrame();
// Direction 1 vertical stripes, any other horizontal ones.
void RainbowStripes(int direction);
