// A camera viewfinder over the picture: four corner marks, a red recording dot and the word "Record".
#include <iterator>

#include "base/state.h"
#include "canvas/text.h"
#include "draw/drawing.h"
#include "effects/canvas_effects.h"

namespace {

// The top-left corner mark; the others mirror it into their corners. The last point closes the L.
constexpr POINT kCornerMark[7] = {{30, 30}, {70, 30}, {70, 40}, {40, 40}, {40, 70}, {30, 70}, {30, 30}};

void DrawCornerMark(HDC dc, bool right, bool bottom, int w, int h) {
    POINT points[7];
    for (int i = 0; i < 7; i++)
        points[i] = {right ? w - kCornerMark[i].x : kCornerMark[i].x, bottom ? h - kCornerMark[i].y : kCornerMark[i].y};
    Polygon(dc, points, int(std::size(points)));
}

}  // namespace

void DrawViewfinder() {
    Drawing d(canvasWindow, appPalette);
    HDC dc = d.dc();
    int w = canvasWidth, h = canvasHeight;
    d.UsePen(d.MakePlainPen(1, 0));
    d.UseBrush(d.MakePlainSolidBrush(0xFFFFFF));
    DrawCornerMark(dc, false, false, w, h);
    DrawCornerMark(dc, true, false, w, h);
    DrawCornerMark(dc, false, true, w, h);
    DrawCornerMark(dc, true, true, w, h);

    d.UsePen(d.MakePlainPen(1, 0x0000FF));
    d.UseBrush(d.MakePlainSolidBrush(0x0000FF));
    Ellipse(dc, w - 130, h - 25, w - 110, h - 5);

    HFONT font = CreateFontIndirectA(&TextFont());
    HGDIOBJ keptFont = SelectObject(dc, font);
    SetTextColor(dc, 0xFFFFFF);
    SetBkMode(dc, TRANSPARENT);
    RECT box{w - 100, h - 25, w, h};
    DrawTextA(dc, "Record", -1, &box, DT_NOPREFIX | DT_WORDBREAK);
    SelectObject(dc, keptFont);
    DeleteObject(font);
}
