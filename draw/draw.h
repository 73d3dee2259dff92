// The drawing routines the tools and effects call: each draws straight onto the canvas window and keeps
// nothing between calls. Colours are plain 0x00BBGGRR values; the routines make them palette-relative.
// Every routine takes the window and its palette first, then its points, its sizes, its colours, and last
// its mode or style.
#pragma once

#include "platform/win32.h"

// Primitives. DrawLine and DrawRectOutline draw with whatever the caller's device context holds.
BOOL DrawLine(HDC dc, int x1, int y1, int x2, int y2);
void DrawRectOutline(HDC dc, int left, int top, int right, int bottom);
int PointDistance(int x1, int y1, int x2, int y2);
void DrawDot(HWND window, HPALETTE palette, int x, int y, int width, COLORREF colour);
// The nibs' marks: a one-pixel line 4 × width long centred on (x, y), rising, falling, upright or level.
// Their ribbons, four further on: from (x, y) to (x2, y2), 4 × width lines of the given width; the upright
// nib's ribbon does not use y, the level one's not x. And one line of the given width.
enum NibStyle : int {
    kRisingMark = 1, kFallingMark, kUprightMark, kLevelMark,
    kRisingRibbon, kFallingRibbon, kUprightRibbon, kLevelRibbon,
    kWideLine,
};
// Any other style draws nothing.
void DrawNibStroke(HWND window, HPALETTE palette, int x, int y, int x2, int y2, int width, COLORREF colour, int style);

// Shape codes, which are also the shape tools' states.
enum ShapeCode { kStar = 4, kOctagon = 5, kRectangle = 9, kEllipse = 10, kRightTriangle = 11, kIsoscelesTriangle = 12 };

// Rubber bands, in exclusive-or white: the outline for the old corner is erased, the new one drawn.
void TrackShapeOutline(HWND window, HPALETTE palette, int shape, int left, int top, int oldRight, int oldBottom,
                       int newRight, int newBottom);
void DrawFinishedShape(HWND window, HPALETTE palette, int shape, int left, int top, int oldRight, int oldBottom,
                       int right, int bottom, int width, COLORREF colour, int fillStyle);
void DrawFinishedLine(HWND window, HPALETTE palette, int x0, int y0, int oldX, int oldY, int x, int y, int width,
                      COLORREF colour);
void DrawFinishedBox(HWND window, HPALETTE palette, int left, int top, int oldRight, int oldBottom, int right,
                     int bottom, int width, COLORREF colour);

// Brushes that put down a mark at the point on the press and on every move.
void DrawLineBurst(HWND window, HPALETTE palette, int x, int y, int width, COLORREF colour);
void DrawSparkleStroke(HWND window, HPALETTE palette, int x, int y, int fromX, int fromY, COLORREF lineColour,
                       COLORREF sparkColour1, COLORREF sparkColour2, COLORREF sparkColour3);
// The press's square, the drag's from the previous point, the release's without its frame.
enum EraserMode : int { kEraserPress = 0, kEraserDrag = 1, kEraserRelease = 2 };
void DrawEraserSquare(HWND window, HPALETTE palette, int x, int y, int prevX, int prevY, int size, int mode);
void DrawStripedDab(HWND window, HPALETTE palette, int x, int y, int width, COLORREF colour1, COLORREF colour2,
                    COLORREF colour3);
int StripedDabStart(int width);
void DrawFuzzyStroke(HWND window, HPALETTE palette, int x, int y, int toX, int toY, COLORREF colour);
void DrawRgbDab(HWND window, HPALETTE palette, int x, int y);
void DrawBlobTrail(HWND window, HPALETTE palette, int x, int y, COLORREF colour);
void ScatterPixels(HWND window, HPALETTE palette, int x, int y);
// Mode 1 leaves black pixels alone, for colouring pictures' outlines.
void SprayDots(HWND window, HPALETTE palette, int x, int y, int size, COLORREF colour, int mode);
void DrawGrassTuft(HWND window, HPALETTE palette, int x, int y, COLORREF colour);
void DrawBubbles(HWND window, HPALETTE palette, int x, int y, int size, COLORREF colour);

// The whole canvas at once: width and height are the picture's.
void FillCanvasColour(HWND window, HPALETTE palette, int width, int height, COLORREF colour);
// backgroundColour is used as given, without the palette-relative marker.
void DrawStarField(HWND window, HPALETTE palette, int width, int height, COLORREF starColour,
                   COLORREF backgroundColour);
