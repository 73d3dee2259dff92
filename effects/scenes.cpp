// Two landscapes over the whole canvas: sky above, grass below, and a city or a barn on the horizon. The
// buildings and the barn are placed by the screen's width, not the canvas's.
#include "base/colours.h"
#include "base/random.h"
#include "base/state.h"
#include "draw/draw.h"
#include "draw/drawing.h"
#include "effects/page_actions.h"

namespace {

constexpr int kSkyEntry = 22;

// The colour's pen and brush, both palette-relative.
void Paint(Drawing& d, COLORREF colour) {
    d.UsePen(d.MakePen(1, colour));
    d.UseBrush(d.MakeSolidBrush(colour));
}

void DrawBuildings(Drawing& d, int count, int h) {
    for (int i = 0; i < count; i++) {
        int top = RandomBelow(200) + 10;
        int left = RandomBelow(screenWidth - 100) + 50;
        int width = RandomBelow(100) + 50;
        Rectangle(d.dc(), left, top, left + width, h / 2 + 20);
    }
}

void DrawCity(Drawing& d, int h) {
    Paint(d, kPlainGrey);
    DrawBuildings(d, 10, h);
    Paint(d, kPlainSilver);
    DrawBuildings(d, 8, h);
}

// A red barn with a hipped roof, a white beam under the roof and two white crosses on its wall.
void DrawBarn(Drawing& d, int h) {
    HDC dc = d.dc();
    int b = RandomBelow(screenWidth - 300), m = h / 2;
    const POINT outline[8] = {{b, m + 20},       {b, m - 150},       {b + 50, m - 225},  {b + 150, m - 250},
                              {b + 250, m - 225}, {b + 300, m - 150}, {b + 300, m + 20}, {b, m + 20}};
    Paint(d, kPlainRed);
    Polygon(dc, outline, 8);
    d.UsePen(d.MakePen(2, kPlainWhite));
    DrawLine(dc, b + 2, m - 150, b + 298, m - 150);
    DrawLine(dc, b + 2, m - 150, b + 100, m + 20);
    DrawLine(dc, b + 100, m - 150, b + 2, m + 20);
    DrawLine(dc, b + 200, m - 150, b + 298, m + 20);
    DrawLine(dc, b + 298, m - 150, b + 200, m + 20);
}

}  // namespace

void DrawScene(int kind) {
    Drawing d(canvasWindow, appPalette);
    int w = canvasWidth, h = canvasHeight;
    Paint(d, paletteColours[kSkyEntry]);
    Rectangle(d.dc(), 0, 0, w, h / 2);
    Paint(d, kPlainGreen);
    Rectangle(d.dc(), 0, h / 2, w, h);
    if (kind == kCityScene) DrawCity(d, h);
    else if (kind == kBarnScene) DrawBarn(d, h);
}
