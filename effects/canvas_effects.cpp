#include "effects/canvas_effects.h"

void InvertCanvas() {}
void ZoomCanvasCentre() {}
void ShrinkCanvasStep(HWND, HPALETTE, int, int) {}
void GreyCanvas() {}
void ShrinkCanvasTenTimes() {}
void StripeCanvas(int) {}
void JumbleCanvas() {}
void SwapCanvasHalves(int) {}
void CrackCanvas() {}
void FlipRandomPatches() {}
void InvertRandomRectangles() {}
void QuarterCanvas() {}
void DrawViewfinder() {}
