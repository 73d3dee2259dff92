// The option-bar effects that rebuild the visible picture from pieces of the snapshot in pictureDC. Every
// piece reads the unchanged snapshot, so pieces copied earlier never feed later ones.
#include "base/random.h"
#include "base/state.h"
#include "canvas/canvas.h"
#include "draw/drawing.h"
#include "effects/canvas_effects.h"

void JumbleCanvas() {
    TakeSnapshot();
    Drawing d(canvasWindow, appPalette);
    int w = canvasWidth, h = canvasHeight;
    for (int i = 0; i < 2500; i++) {
        int x = RandomBelow(w);
        int y = RandomBelow(h);
        int bw = RandomBelow(50) + 10;
        int bh = RandomBelow(50) + 10;
        int sx = RandomBelow(w - bw - 4);
        int sy = RandomBelow(h - bh - 4);
        BitBlt(d.dc(), x, y, bw, bh, pictureDC, sx, sy, SRCCOPY);
    }
}

void SwapCanvasHalves() {
    TakeSnapshot();
    Drawing d(canvasWindow, appPalette);
    int w = canvasWidth, h = canvasHeight;
    BitBlt(d.dc(), w / 2, 0, w / 2, h - 2, pictureDC, 0, 0, SRCCOPY);
    BitBlt(d.dc(), 0, 0, w / 2, h - 2, pictureDC, (w - 4) / 2, 0, SRCCOPY);
}

void FlipRandomPatches() {
    TakeSnapshot();
    Drawing d(canvasWindow, appPalette);
    for (int i = 0; i < 50; i++) {
        int pw = RandomBelow(100) + 10;
        int ph = RandomBelow(100) + 10;
        int x = RandomBelow(canvasWidth - pw);
        int y = RandomBelow(canvasHeight - ph);
        int r = RandomBelow(10);
        // Four chances in ten to mirror left to right, else upside down.
        if (r > 5) StretchBlt(d.dc(), x, y, pw, ph, pictureDC, x + pw, y, -pw, ph, SRCCOPY);
        else StretchBlt(d.dc(), x, y, pw, ph, pictureDC, x, y + ph, pw, -ph, SRCCOPY);
    }
}

void QuarterCanvas() {
    Drawing d(canvasWindow, appPalette);
    HPALETTE kept = SelectPalette(pictureDC, appPalette, FALSE);
    RealizePalette(pictureDC);
    // Halves of the client area, so that every quarter is the picture the child sees and nothing of the
    // columns and rows under the border.
    SIZE client = CanvasClientSize();
    int w = client.cx, h = client.cy;
    const POINT quarters[4] = {{0, 0}, {w / 2, 0}, {0, h / 2}, {w / 2, h / 2}};
    for (POINT q : quarters) StretchBlt(d.dc(), q.x, q.y, w / 2, h / 2, pictureDC, 0, 0, w, h, SRCCOPY);
    SelectPalette(pictureDC, kept, TRUE);
}
