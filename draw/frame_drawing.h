// What the frame's and the option strip's drawings share.
#pragma once

#include "draw/drawing.h"
#include "platform/win32.h"

// The rectangle in the frame's navy, outline and inside, with a pen and brush made for it; the drawing's
// pen and brush are selected again after it.
void DrawNavyRectangle(Drawing& drawing, const RECT& r);

// A picture file's source rectangle (0, 0, sourceWidth, sourceHeight) drawn stretched into the destination;
// a missing or broken file draws nothing.
void DrawPictureFile(HDC dc, LPCSTR file, int x, int y, int width, int height, int sourceWidth, int sourceHeight);
