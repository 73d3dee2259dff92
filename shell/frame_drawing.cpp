#include "shell/frame_drawing.h"

#include "base/colours.h"
#include "base/state.h"
#include "files/dib.h"

FrameDrawing::FrameDrawing() : dc_(GetDC(frameWindow)), palette_(SelectPalette(dc_, appPalette, TRUE)) {
    RealizePalette(dc_);
    pen_ = SelectObject(dc_, GetStockObject(BLACK_PEN));
    brush_ = SelectObject(dc_, GetStockObject(WHITE_BRUSH));
}

FrameDrawing::~FrameDrawing() {
    SelectObject(dc_, pen_);
    SelectObject(dc_, brush_);
    SelectPalette(dc_, palette_, TRUE);
    ReleaseDC(frameWindow, dc_);
}

void DrawNavyRectangle(HDC dc, int left, int top, int right, int bottom) {
    HPEN pen = CreatePen(PS_SOLID, 1, kFrameBackground);
    HBRUSH brush = CreateSolidBrush(kFrameBackground);
    HGDIOBJ keptPen = SelectObject(dc, pen);
    HGDIOBJ keptBrush = SelectObject(dc, brush);
    Rectangle(dc, left, top, right, bottom);
    SelectObject(dc, keptPen);
    SelectObject(dc, keptBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void DrawPictureFile(HDC dc, LPCSTR file, int x, int y, int width, int height, int sourceWidth, int sourceHeight) {
    HGLOBAL picture = ReadDibFile(file);
    StretchDibToDevice(dc, x, y, width, height, picture, 0, 0, sourceWidth, sourceHeight, SRCCOPY);
    if (picture) GlobalFree(picture);
}
