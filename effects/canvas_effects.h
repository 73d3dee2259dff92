// The picture effects the region-tool pages run at once, each over the whole canvas.
#pragma once

#include "effects/page_actions.h"
#include "platform/win32.h"

void InvertCanvas();
void ZoomCanvasCentre();
void ShrinkCanvasStep(HWND window, HPALETTE palette, int width, int height);
void GreyCanvas();
void ShrinkCanvasTenTimes();
// White lines on every second row for horizontal stripes; on every second column for any other direction.
void StripeCanvas(int direction);
void JumbleCanvas();
// The left and right halves change places, from the snapshot it takes first.
void SwapCanvasHalves();
void CrackCanvas();
void FlipRandomPatches();
void InvertRandomRectangles();
void QuarterCanvas();
void DrawViewfinder();
