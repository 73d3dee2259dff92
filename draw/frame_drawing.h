// Drawing on the frame: its device context with the palette selected as a background palette and
// realised, and the pens and brushes made for the drawing. At the end of the scope the context gets back
// the pen, brush and palette it came with and is given back, and only then is what was made deleted.
#pragma once

#include <vector>

#include "platform/win32.h"

class FrameDrawing {
public:
    // A drawing at any time, or the frame's painting in answer to WM_PAINT.
    enum Kind { kDraw, kPaint };
    explicit FrameDrawing(Kind kind = kDraw);
    ~FrameDrawing();
    FrameDrawing(const FrameDrawing&) = delete;
    FrameDrawing& operator=(const FrameDrawing&) = delete;
    HDC dc() const { return dc_; }

    // Colours as given: the frame's colours carry the palette flag where they want it.
    HPEN MakePen(COLORREF colour);
    HBRUSH MakeSolidBrush(COLORREF colour);
    HBRUSH MakeHatchBrush(int hatch, COLORREF colour);
    // Selects a pen or brush, made here or stock, and returns the one it replaces; the end of the drawing
    // puts back the ones the context came with.
    HGDIOBJ Use(HGDIOBJ object) { return SelectObject(dc_, object); }

private:
    HGDIOBJ Made(HGDIOBJ object);

    Kind kind_;
    PAINTSTRUCT paint_{};
    HDC dc_;
    HPALETTE palette_;
    HGDIOBJ pen_, brush_;
    std::vector<HGDIOBJ> made_;
};

// The rectangle in the frame's navy, outline and inside, with a pen and brush made for it; the drawing's
// pen and brush are selected again after it.
void DrawNavyRectangle(FrameDrawing& drawing, const RECT& r);

// A picture file's source rectangle (0, 0, sourceWidth, sourceHeight) drawn stretched into the destination;
// a missing or broken file draws nothing.
void DrawPictureFile(HDC dc, LPCSTR file, int x, int y, int width, int height, int sourceWidth, int sourceHeight);
