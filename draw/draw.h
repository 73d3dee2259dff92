// The drawing routines the tools and effects call: each draws straight onto the canvas window and keeps
// nothing between calls. Colours are plain 0x00BBGGRR values; the routines make them palette-relative.
#pragma once

#include "platform/win32.h"

// Primitives. DrawLine and DrawRectOutline draw with whatever the caller's device context holds.
BOOL DrawLine(HDC dc, int x1, int y1, int x2, int y2);
void DrawRectOutline(HDC dc, int left, int top, int right, int bottom);
int PointDistance(int x1, int y1, int x2, int y2);
void DrawDot(HWND window, HPALETTE palette, int x, int y, COLORREF colour, int width);
// Styles 1 to 4: a one-pixel line 4 × width long centred on (x, y), rising, falling, upright or level.
// 5 to 8: the ribbon that nib leaves from (x, y) to (x2, y2), 4 × width lines of the given width; the
// upright nib's ribbon (7) does not use y, the level one's (8) not x. 9: one line of the given width.
// Any other style draws nothing.
void DrawNibStroke(HWND window, HPALETTE palette, int x, int y, int width, COLORREF colour, int style, int x2, int y2);

// Shape codes, which are also the shape tools' states.
enum ShapeCode { kStar = 4, kOctagon = 5, kRectangle = 9, kEllipse = 10, kRightTriangle = 11, kIsoscelesTriangle = 12 };

// Rubber bands, in exclusive-or white: the outline for the old corner is erased, the new one drawn.
void TrackShapeOutline(HWND window, HPALETTE palette, int shape, int newRight, int newBottom, int oldRight,
                       int oldBottom, int left, int top);
void DrawFinishedShape(HWND window, HPALETTE palette, int shape, int right, int bottom, int left, int top,
                       int oldRight, int oldBottom, int fillStyle, int width, COLORREF colour);
void DrawFinishedLine(HWND window, HPALETTE palette, int x0, int y0, int oldX, int oldY, int x, int y, int width,
                      COLORREF colour);
void DrawFinishedBox(HWND window, HPALETTE palette, int left, int top, int oldRight, int oldBottom, int right,
                     int bottom, int width, COLORREF colour);

// Brushes that put down a mark at the point on the press and on every move.
void DrawLineBurst(HWND window, HPALETTE palette, int width, COLORREF colour, int x, int y);
void DrawSparkleStroke(HWND window, HPALETTE palette, COLORREF lineColour, COLORREF sparkColour1,
                       COLORREF sparkColour2, COLORREF sparkColour3, int x, int y, int fromX, int fromY);
// Mode 0 on the press, 1 with the previous point while dragging, 2 on the release (no frame).
void DrawEraserSquare(HWND window, HPALETTE palette, int x, int y, int size, int prevX, int prevY, int mode);
void DrawStripedDab(HWND window, HPALETTE palette, int x, int y, COLORREF colour1, COLORREF colour2,
                    COLORREF colour3, int width);
int StripedDabStart(int width);
void DrawFuzzyStroke(HWND window, HPALETTE palette, int x, int y, COLORREF colour, int toX, int toY);
void DrawRgbDab(HWND window, HPALETTE palette, int x, int y);
void DrawBlobTrail(int x, int y, HWND window, HPALETTE palette, COLORREF colour);
void ScatterPixels(int x, int y, HWND window, HPALETTE palette);
// Mode 1 leaves black pixels alone, for colouring pictures' outlines.
void SprayDots(int x, int y, int size, COLORREF colour, int mode, HWND window, HPALETTE palette);
void DrawGrassTuft(int x, int y, COLORREF colour, HWND window, HPALETTE palette);
void DrawBubbles(int size, int x, int y, COLORREF colour, HWND window, HPALETTE palette);

// The whole canvas at once: width and height are the picture's.
void FillCanvasColour(HWND window, HPALETTE palette, COLORREF colour, int width, int height);
// backgroundColour is used as given, without the palette-relative marker.
void DrawStarField(HWND window, HPALETTE palette, COLORREF starColour, COLORREF backgroundColour, int width,
                   int height);
