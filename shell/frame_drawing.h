// Drawing on the frame: its device context with the palette selected as a background palette and
// realised, given back at the end of the scope with the pen, brush and palette it came with.
#pragma once

#include "platform/win32.h"

class FrameDrawing {
public:
    FrameDrawing();
    ~FrameDrawing();
    FrameDrawing(const FrameDrawing&) = delete;
    FrameDrawing& operator=(const FrameDrawing&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HPALETTE palette_;
    HGDIOBJ pen_, brush_;
};

// The rectangle in the frame's navy, outline and inside, with a pen and brush made for it.
void DrawNavyRectangle(HDC dc, int left, int top, int right, int bottom);

// A picture file's source rectangle (0, 0, sourceWidth, sourceHeight) drawn stretched into the destination;
// a missing or broken file draws nothing.
void DrawPictureFile(HDC dc, LPCSTR file, int x, int y, int width, int height, int sourceWidth, int sourceHeight);
