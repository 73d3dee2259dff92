#include "draw/frame_drawing.h"

#include "base/colours.h"
#include "base/state.h"
#include "dib/dib.h"

FrameDrawing::FrameDrawing(Kind kind)
    : kind_(kind),
      dc_(kind == kPaint ? BeginPaint(frameWindow, &paint_) : GetDC(frameWindow)),
      palette_(SelectPalette(dc_, appPalette, TRUE)) {
    RealizePalette(dc_);
    pen_ = SelectObject(dc_, GetStockObject(BLACK_PEN));
    brush_ = SelectObject(dc_, GetStockObject(WHITE_BRUSH));
}

FrameDrawing::~FrameDrawing() {
    SelectObject(dc_, pen_);
    SelectObject(dc_, brush_);
    SelectPalette(dc_, palette_, TRUE);
    if (kind_ == kPaint)
        EndPaint(frameWindow, &paint_);
    else
        ReleaseDC(frameWindow, dc_);
    for (HGDIOBJ object : made_) DeleteObject(object);
}

HGDIOBJ FrameDrawing::Made(HGDIOBJ object) {
    if (object) made_.push_back(object);
    return object;
}

HPEN FrameDrawing::MakePen(COLORREF colour) { return static_cast<HPEN>(Made(CreatePen(PS_SOLID, 1, colour))); }

HBRUSH FrameDrawing::MakeSolidBrush(COLORREF colour) { return static_cast<HBRUSH>(Made(CreateSolidBrush(colour))); }

HBRUSH FrameDrawing::MakeHatchBrush(int hatch, COLORREF colour) {
    return static_cast<HBRUSH>(Made(CreateHatchBrush(hatch, colour)));
}

void DrawNavyRectangle(FrameDrawing& drawing, const RECT& r) {
    HGDIOBJ keptPen = drawing.Use(drawing.MakePen(kFrameBackground));
    HGDIOBJ keptBrush = drawing.Use(drawing.MakeSolidBrush(kFrameBackground));
    Rectangle(drawing.dc(), r.left, r.top, r.right, r.bottom);
    drawing.Use(keptPen);
    drawing.Use(keptBrush);
}

void DrawPictureFile(HDC dc, LPCSTR file, int x, int y, int width, int height, int sourceWidth, int sourceHeight) {
    HGLOBAL picture = ReadDibFile(file);
    StretchDibToDevice(dc, x, y, width, height, picture, 0, 0, sourceWidth, sourceHeight, SRCCOPY);
    if (picture) GlobalFree(picture);
}
