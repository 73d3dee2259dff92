// The picture effects the region-tool pages run at once, each over the whole canvas.
#pragma once

#include "platform/win32.h"

void InvertCanvas();
void ZoomCanvasCentre();
void ShrinkCanvasStep(HWND window, HPALETTE palette, int width, int height);
void GreyCanvas();
void ShrinkCanvasTenTimes();
// 1: white lines on every second row; any other direction: on every second column.
void StripeCanvas(int direction);
void JumbleCanvas();
// 1: the left and right halves change places; any other direction only takes the snapshot.
void SwapCanvasHalves(int direction);
void CrackCanvas();
void FlipRandomPatches();
void InvertRandomRectangles();
void QuarterCanvas();
void DrawViewfinder();
