#include "draw/frame_drawing.h"

#include "base/colours.h"
#include "dib/dib.h"

void DrawNavyRectangle(Drawing& drawing, const RECT& r) {
    HGDIOBJ keptPen = drawing.Use(drawing.MakePlainPen(1, kFrameBackground));
    HGDIOBJ keptBrush = drawing.Use(drawing.MakePlainSolidBrush(kFrameBackground));
    Rectangle(drawing.dc(), r.left, r.top, r.right, r.bottom);
    drawing.Use(keptPen);
    drawing.Use(keptBrush);
}

void DrawPictureFile(HDC dc, LPCSTR file, int x, int y, int width, int height, int sourceWidth, int sourceHeight) {
    HGLOBAL picture = ReadDibFile(file);
    StretchDibToDevice(dc, x, y, width, height, picture, 0, 0, sourceWidth, sourceHeight, SRCCOPY);
    if (picture) GlobalFree(picture);
}
