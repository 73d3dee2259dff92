// The actions of the effects pages: wipes, backgrounds and scenes over the whole visible canvas. None
// writes into pictureDC, so undo brings back the picture from before.
#pragma once

#include "platform/win32.h"

// How the page is cleared. Every mode but the black curtains and the graph paper ends white.
enum TransitionMode : int {
    kWipeFromTheMiddle, kCloseCurtains, kDissolve, kRandomSquares, kGraphPaperColumns, kSquaresRowByRow,
    kWipeLeftToRight, kThickStreaks,
};
// Any other mode draws nothing.
void ClearCanvasWithTransition(HWND window, HPALETTE palette, int w, int h, int mode);
void ColourNoise();
void RingBurst();
void DrawRadarScreen(HWND window, HPALETTE palette, int w, int h);
enum HalfPage : int { kLeftHalf = 0, kRightHalf = 1, kTopHalf = 2, kBottomHalf = 3 };
// Any other side draws nothing.
void WhiteHalf(HWND window, HPALETTE palette, int w, int h, int side);
enum SceneKind : int { kCityScene = 1, kBarnScene = 2 };
void DrawScene(int kind);
// The source slides down out of the canvas in 20-pixel steps and the page ends white.
void SlideOut(HWND window, HPALETTE palette, int w, int h, HDC source);
void DrawWoodenFrame();
enum StripeDirection : int { kVerticalStripes = 1, kHorizontalStripes = 2 };
// Any direction but vertical gives horizontal stripes.
void RainbowStripes(int direction);
