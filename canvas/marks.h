// Small marks that only the canvas tools draw, each at the point (x, y) on the canvas window with
// appPalette, in the current colour, the rainbow colour or the current family's shades.
#pragma once

#include "platform/win32.h"

enum ConfettiKind { kConfettiCircles = 1, kConfettiSquares = 2 };

// A pixel and perhaps a little bird, scattered up to 20 pixels from the point.
void DrawBirdSpeck(int x, int y);
// One filled circle or square of random size, just right of and below the point.
void DrawConfettiBlob(int x, int y, int kind);
// Two lines from the stroke's last point to 4 pen widths above and below the point.
void DrawForkStroke(POINT from, int x, int y);
// A small random cross near the point.
void DrawSparkCross(int x, int y);
// A filled polygon of 5 to 24 random vertices within 80 pixels; it plays its sound itself.
void DrawSplatPolygon(int x, int y);
// Lines from the point to the four edges of the canvas, in one of the shades.
void DrawCrossHairLines(int x, int y);
// A block of 6 × 12 pen widths in the current colour, speckled with the three shades.
void DrawSpeckledBlock(int x, int y);
// Dots of the three shades inside the circle of 8 pen widths round the point.
void SprayShadeDots(int x, int y);
