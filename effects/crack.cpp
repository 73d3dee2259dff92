// Black branching cracks from random centres. The left and upper branches take steps that shrink near the
// edge; the right and lower ones steps that grow with the distance from the centre. All stop four pixels
// inside the canvas.
#include "base/random.h"
#include "base/state.h"
#include "canvas/canvas.h"
#include "draw/draw.h"
#include "draw/drawing.h"
#include "effects/canvas_effects.h"

namespace {

constexpr int kRounds = 20;
constexpr int kSegmentsPerBranch = 9;

struct Branch {
    int xSign, ySign;  // -1 towards the left or top edge, +1 towards the right or bottom one
};

// The segments after a branch's first line, from its end point. A step towards the left or top edge is a
// third of a random part of the distance to 0, one away from it a third of a random part of the distance
// from the centre; each segment draws dx before dy.
void GrowBranch(HDC dc, Branch branch, POINT centre, POINT from) {
    int x = from.x, y = from.y;
    int right = screenWidth - 54, bottom = screenHeight - 76;
    for (int segment = 0; segment < kSegmentsPerBranch; segment++) {
        int dx = RandomBelow(branch.xSign < 0 ? x : x - centre.x) / 3;
        int dy = RandomBelow(branch.ySign < 0 ? y : y - centre.y) / 3;
        int nx = x + branch.xSign * dx, ny = y + branch.ySign * dy;
        DrawLine(dc, x, y, nx, ny);
        x = nx;
        y = ny;
        bool xInside = branch.xSign < 0 ? x >= 4 : x <= right;
        bool yInside = branch.ySign < 0 ? y >= 4 : y <= bottom;
        if (!xInside || !yInside) break;
    }
}

// Four branch ends, each x drawn before its y, then the four branches in the same order.
void DrawCrackStar(HDC dc, POINT centre) {
    const Branch branches[4] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    POINT ends[4];
    for (int i = 0; i < 4; i++) {
        int dx = RandomBelow(centre.x);
        int dy = RandomBelow(centre.y);
        ends[i] = {centre.x + branches[i].xSign * dx, centre.y + branches[i].ySign * dy};
    }
    for (int i = 0; i < 4; i++) {
        DrawLine(dc, centre.x, centre.y, ends[i].x, ends[i].y);
        GrowBranch(dc, branches[i], centre, ends[i]);
    }
}

}  // namespace

void CrackCanvas() {
    Drawing d(canvasWindow, appPalette);
    TakeSnapshot();
    d.UsePen(d.MakePlainPen(1, 0));
    for (int round = 0; round < kRounds; round++) {
        int cx = canvasWidth / 2 + RandomBelow(400) - 200;
        int cy = canvasHeight / 2 + RandomBelow(400) - 200;
        for (int star = 0; star < 2; star++) DrawCrackStar(d.dc(), {cx, cy});
    }
}
