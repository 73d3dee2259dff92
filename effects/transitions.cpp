// Wipes that clear the page step by step on the screen, so the child sees them happen. No timer or pause:
// the display's own speed paces them.
#include "base/colours.h"
#include "base/random.h"
#include "draw/draw.h"
#include "draw/drawing.h"
#include "effects/page_actions.h"

namespace {

constexpr int kSquare = 10;

void WipeFromTheMiddle(HDC dc, int w, int h) {
    for (int a = w / 2, b = w / 2; a >= 0; a--, b++) {
        DrawLine(dc, a, 0, a, h);
        DrawLine(dc, b, 0, b, h);
    }
}

void CloseCurtains(HDC dc, int w, int h) {
    for (int i = 0; i < w / 2 + 2; i++) {
        DrawLine(dc, i, 0, i, h);
        DrawLine(dc, w - i, 0, w - i, h);
    }
}

void Dissolve(HDC dc, int w, int h) {
    for (int i = 0; i < 30000; i++) {
        int x = RandomBelow(w);
        int y = RandomBelow(h);
        SetPixel(dc, x, y, kPlainWhite);
    }
    PatBlt(dc, 0, 0, w, h, WHITENESS);
}

void RandomSquares(HDC dc, int w, int h) {
    for (int i = 0; i < 1250; i++) {
        int x = RandomBelow(w);
        int y = RandomBelow(h);
        Rectangle(dc, x, y, x + kSquare, y + kSquare);
    }
    PatBlt(dc, 0, 0, w, h, WHITENESS);
}

void SquaresColumnByColumn(HDC dc, int w, int h) {
    for (int x = 0; x < w; x += kSquare)
        for (int y = 0; y < h; y += kSquare) Rectangle(dc, x, y, x + kSquare, y + kSquare);
}

void SquaresRowByRow(HDC dc, int w, int h) {
    for (int y = 0; y < h; y += kSquare)
        for (int x = 0; x < w; x += kSquare) Rectangle(dc, x, y, x + kSquare, y + kSquare);
}

void WipeLeftToRight(HDC dc, int w, int h) {
    for (int x = 0; x < w; x++) DrawLine(dc, x, 0, x, h);
}

void Streaks(HDC dc, int w, int h) {
    for (int i = 0; i < 150; i++) {
        int x1 = RandomBelow(w);
        int x2 = RandomBelow(w);
        DrawLine(dc, x1, 0, x2, h);
    }
    PatBlt(dc, 0, 0, w, h, WHITENESS);
}

struct Transition {
    COLORREF brush, pen;
    int penWidth;
    void (*draw)(HDC dc, int w, int h);
};

// In the order of the transition modes.
const Transition kTransitions[kThickStreaks + 1] = {
    {kPlainWhite, kPlainWhite, 1, WipeFromTheMiddle},
    {kPlainBlack, kPlainBlack, 1, CloseCurtains},
    {kPlainWhite, kPlainWhite, 1, Dissolve},
    {kPlainWhite, kPlainWhite, 1, RandomSquares},
    {kPlainWhite, kPlainBlack, 1, SquaresColumnByColumn},
    {kPlainWhite, kPlainWhite, 1, SquaresRowByRow},
    {kPlainWhite, kPlainWhite, 1, WipeLeftToRight},
    {kPlainWhite, kPlainWhite, 7, Streaks},
};

}  // namespace

void ClearCanvasWithTransition(HWND window, HPALETTE palette, int w, int h, int mode) {
    if (mode < kWipeFromTheMiddle || mode > kThickStreaks) return;
    const Transition& t = kTransitions[mode];
    Drawing d(window, palette);
    d.UseBrush(d.MakePlainSolidBrush(t.brush));
    d.UsePen(d.MakePlainPen(t.penWidth, t.pen));
    t.draw(d.dc(), w, h);
}
