// The pixel marks: birds, speckled blocks and the shade spray.
#include <vector>

#include "base/random.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/marks.h"
#include "canvas/tool_colours.h"
#include "draw/draw.h"
#include "draw/drawing.h"

namespace {

struct Offset {
    int dx, dy;
};

// Bird s (1 to 5): two wings in a flat V either side of the centre pixel.
const std::vector<Offset> kBirds[5] = {
    {{-1, -1}, {-2, -2}, {-3, -2}, {-4, -2}, {-5, -1}, {-6, 0}, {-7, 1}, {-8, 2}, {-9, 3},
     {1, -1}, {2, -2}, {3, -3}, {4, -4}, {5, -4}, {6, -4}, {7, -4}, {8, -3}, {9, -3}},
    {{-1, -1}, {-2, -2}, {-3, -3}, {-4, -4}, {-5, -5}, {-6, -6}, {-7, -7}, {-8, -7}, {-9, -6},
     {1, 0}, {2, -1}, {3, -2}, {4, -2}, {5, -2}, {6, -2}, {7, -1}, {8, 0}, {9, 1}},
    {{-1, 0}, {-2, -1}, {-3, -2}, {-4, -1}, {-5, 0}, {1, -1}, {2, -2}, {3, -3}, {4, -2}},
    {{-1, -1}, {-2, -1}, {-3, -1}, {-4, 0}, {-5, 1}, {1, -1}, {2, -1}, {3, 0}, {4, 1}, {5, 2}},
    {{-1, -1}, {-2, -2}, {-3, -3}, {-4, -4}, {-5, -4}, {-6, -3}, {-7, -2}, {-8, -1},
     {1, -1}, {2, -2}, {3, -3}, {4, -4}, {5, -4}, {6, -3}, {7, -3}, {8, -2}},
};

}  // namespace

void DrawBirdSpeck(int x, int y) {
    int bx = x + RandomBelow(40) - 20;
    int by = y + RandomBelow(40) - 20;
    int s = RandomBelow(6);
    Drawing d(canvasWindow, appPalette);
    COLORREF colour = PaletteColour(CurrentBrush().currentColour);
    SetPixel(d.dc(), bx, by, colour);
    if (s == 0) return;
    for (Offset o : kBirds[s - 1]) SetPixel(d.dc(), bx + o.dx, by + o.dy, colour);
}

void DrawSpeckledBlock(int x, int y) {
    UpdateShadeTriple();
    int w = CurrentBrush().penWidth;
    Drawing d(canvasWindow, appPalette);
    d.UsePen(d.MakePen(1, CurrentBrush().currentColour));
    d.UseBrush(d.MakeSolidBrush(CurrentBrush().currentColour));
    int left = x - 3 * w, top = y - 6 * w;
    Rectangle(d.dc(), left, top, x + 3 * w, y + 6 * w);
    for (int shade = 0; shade < 3; shade++) {
        COLORREF colour = PaletteColour(ShadeColour(shade));
        for (int i = 0; i < 12 * w + 10; i++) {
            int dy = RandomBelow(12 * w);
            int dx = RandomBelow(6 * w);
            SetPixel(d.dc(), left + dx, top + dy, colour);
        }
    }
}

void SprayShadeDots(int x, int y) {
    UpdateShadeTriple();
    int w = CurrentBrush().penWidth;
    Drawing d(canvasWindow, appPalette);
    HPEN pens[3];
    for (int shade = 0; shade < 3; shade++) pens[shade] = d.MakePen(w, ShadeColour(shade));
    for (HPEN pen : pens) {
        d.UsePen(pen);
        for (int i = 0; i < 25; i++) {
            int dx = RandomBelow(16 * w) - 8 * w;
            int dy = RandomBelow(16 * w) - 8 * w;
            if (PointDistance(x, y, x + dx, y + dy) < 8 * w) DrawLine(d.dc(), x + dx, y + dy, x + dx + 1, y + dy);
        }
    }
}
