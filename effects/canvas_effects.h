// The picture effects the region-tool pages run at once: each changes the whole canvas.
#pragma once

#include "platform/win32.h"

void InvertCanvas();
void ZoomCanvasCentre();
void ShrinkCanvasStep(HWND window, HPALETTE palette, int width, int height);
void GreyCanvas();
void ShrinkCanvasTenTimes();
// 2: white lines on every second column; 1: on every second row.
void StripeCanvas(int direction);
void JumbleCanvas();
// 1: the left and right halves change places.
void SwapCanvasHalves(int direction);
void CrackCanvas();
void FlipRandomPatches();
void InvertRandomRectangles();
void QuarterCanvas();
void DrawViewfinder();
