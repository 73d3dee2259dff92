// Fills of the whole canvas: one colour, or a night sky of stars.
#include "base/random.h"
#include "draw/draw.h"
#include "draw/drawing.h"
#include "draw/star_field.h"

void FillCanvasColour(HWND window, HPALETTE palette, int width, int height, COLORREF colour) {
    Drawing d(window, palette);
    d.UseBrush(d.MakeSolidBrush(colour));
    d.UsePen(d.MakePen(1, colour));
    Rectangle(d.dc(), 0, 0, width, height);
}

std::vector<POINT> StarStreakPath(int step, int clusters, int drift, int startY) {
    std::vector<POINT> path;
    int sx = 0, sy = startY;
    for (int c = 0; c < clusters; c++) {
        path.push_back({sx, sy});
        sx += step;
        sy += drift;
        if (drift >= 0) drift -= drift / 3;
    }
    return path;
}

namespace {

void DrawStarStreak(HDC dc, COLORREF star, int height) {
    int step = RandomBelow(50) + 30;
    int clusters = RandomBelow(20) + 10;
    int drift = RandomBelow(60) + 3;
    if (drift % 2 == 0) drift = -drift;
    for (POINT corner : StarStreakPath(step, clusters, drift, RandomBelow(height))) {
        int stars = RandomBelow(70);
        for (int i = 0; i < stars; i++) {
            int px = corner.x + RandomBelow(200);
            int py = corner.y + RandomBelow(200);
            SetPixel(dc, px, py, star);
        }
    }
}

}  // namespace

void DrawStarField(HWND window, HPALETTE palette, int width, int height, COLORREF starColour,
                   COLORREF backgroundColour) {
    Drawing d(window, palette);
    HDC dc = d.dc();
    d.UseBrush(d.MakePlainSolidBrush(backgroundColour));
    d.UsePen(d.MakePlainPen(1, backgroundColour));
    Rectangle(dc, 0, 0, width, height);
    d.RestorePenAndBrush();

    COLORREF star = PaletteColour(starColour);
    int singles = RandomBelow(1000) + 500;
    for (int i = 0; i < singles; i++) {
        int px = RandomBelow(width);
        int py = RandomBelow(height);
        SetPixel(dc, px, py, star);
    }
    int streaks = RandomBelow(10) + 1;
    for (int i = 0; i < streaks; i++) DrawStarStreak(dc, star, height);
    int bigStars = RandomBelow(5 * streaks);
    for (int i = 0; i < bigStars; i++) {
        int px = RandomBelow(width), py = RandomBelow(height);
        SetPixel(dc, px, py, star);
        SetPixel(dc, px + 1, py, star);
        SetPixel(dc, px, py + 1, star);
        SetPixel(dc, px + 1, py + 1, star);
    }
}
