// The marks made of lines and filled figures: confetti, forks, spark crosses, splats and cross-hairs.
#include "base/random.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/marks.h"
#include "canvas/polygon_tools.h"
#include "canvas/tool_colours.h"
#include "canvas/tools.h"
#include "draw/draw.h"
#include "draw/drawing.h"

void DrawConfettiBlob(int x, int y, int kind) {
    COLORREF colour = RainbowColour();
    int r = RandomBelow(10) + 2;
    Drawing d(canvasWindow, appPalette);
    d.UsePen(d.MakePen(1, colour));
    d.UseBrush(d.MakeSolidBrush(colour));
    int cx = x + (RandomBelow(10) + 2) / 2;
    int cy = y + (RandomBelow(10) + 2) / 2;
    if (kind == kConfettiCircles)
        Ellipse(d.dc(), cx - r, cy - r, cx + r, cy + r);
    else
        Rectangle(d.dc(), cx - r, cy - r, cx + r, cy + r);
}

void DrawForkStroke(POINT from, int x, int y) {
    Drawing d(canvasWindow, appPalette);
    int w = CurrentBrush().penWidth;
    d.UsePen(d.MakePen(w, RainbowColour()));
    DrawLine(d.dc(), from.x, from.y, x, y - 4 * w);
    DrawLine(d.dc(), from.x, from.y, x, y + 4 * w);
}

void DrawSparkCross(int x, int y) {
    COLORREF colour = RainbowColour();
    Drawing d(canvasWindow, appPalette);
    d.UsePen(d.MakePen(CurrentBrush().penWidth, colour));
    int size = 6 * CurrentBrush().penWidth;
    int cx = x + RandomBelow(size) - size / 2;
    int cy = y + RandomBelow(size) - size / 2;
    int a = (RandomBelow(size) + 2) / 2;
    int b = (RandomBelow(size) + 2) / 2;
    DrawLine(d.dc(), cx - a, cy, cx + a, cy);
    DrawLine(d.dc(), cx, cy - b, cx, cy + b);
}

void DrawSplatPolygon(int x, int y) {
    PlaySoundEffect(kSplatSound);
    int n = RandomBelow(20);
    // One point more is made than the polygon uses.
    POINT* points = PolygonVertices();
    for (int i = 0; i <= n + 5; i++) {
        int px = x + RandomBelow(160) - 80;
        points[i] = {px, y + RandomBelow(160) - 80};
    }
    Drawing d(canvasWindow, appPalette);
    d.UsePen(d.MakePen(1, CurrentBrush().currentColour));
    d.UseBrush(d.MakeSolidBrush(CurrentBrush().currentColour));
    Polygon(d.dc(), points, n + 5);
}

void DrawCrossHairLines(int x, int y) {
    UpdateShadeTriple();
    COLORREF colour = ShadeColour(RandomBelow(3));
    Drawing d(canvasWindow, appPalette);
    d.UsePen(d.MakePen(CurrentBrush().penWidth, colour));
    DrawLine(d.dc(), x, y, x, 0);
    DrawLine(d.dc(), x, y, x, canvasHeight);
    DrawLine(d.dc(), x, y, canvasWidth, y);
    DrawLine(d.dc(), x, y, 0, y);
}
