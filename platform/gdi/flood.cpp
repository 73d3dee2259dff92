// ExtFloodFill: a 4-connected scanline fill painted with the brush.
#include <vector>

#include "area.h"
#include "colour.h"

using namespace gdi;

namespace {

struct Seed {
    int x, y;
};

}  // namespace

BOOL WINAPI ExtFloodFill(HDC dc, int x, int y, COLORREF colour, UINT type) {
    DeviceContext* d = FindDc(dc);
    if (!d || !d->surface) return FALSE;
    const Surface& s = *d->surface;
    std::vector<Box> boxes = ClipBoxes(*d);
    auto inClip = [&](int px, int py) {
        for (const Box& b : boxes)
            if (px >= b.left && px < b.right && py >= b.top && py < b.bottom) return true;
        return false;
    };
    int64_t sx64 = int64_t(x) + d->origin.x, sy64 = int64_t(y) + d->origin.y;
    if (sx64 < 0 || sy64 < 0 || sx64 >= s.width || sy64 >= s.height) return FALSE;
    int sx = int(sx64), sy = int(sy64);
    if (!inClip(sx, sy)) return FALSE;
    uint32_t target = PixelFromRgb(ResolveColour(*d, colour));
    if (s.monochrome()) target = NearestMono(ResolveColour(*d, colour));
    bool surface = type == FLOODFILLSURFACE;
    auto fills = [&](int px, int py) { return (s.at(px, py) == target) == surface; };
    if (!fills(sx, sy)) return FALSE;

    // Find the whole area first, then paint it once, so the brush cannot feed back into the test.
    std::vector<uint8_t> seen(size_t(s.width) * size_t(s.height), 0);
    auto mark = [&](int px, int py) -> uint8_t& { return seen[size_t(py) * size_t(s.width) + size_t(px)]; };
    Area area;
    std::vector<Seed> stack{{sx, sy}};
    while (!stack.empty()) {
        Seed seed = stack.back();
        stack.pop_back();
        if (mark(seed.x, seed.y) || !fills(seed.x, seed.y) || !inClip(seed.x, seed.y)) continue;
        int left = seed.x, right = seed.x + 1;
        while (left > 0 && !mark(left - 1, seed.y) && fills(left - 1, seed.y) && inClip(left - 1, seed.y)) left--;
        while (right < s.width && !mark(right, seed.y) && fills(right, seed.y) && inClip(right, seed.y)) right++;
        for (int px = left; px < right; px++) mark(px, seed.y) = 1;
        area.Add(seed.y, left, right);
        for (int ny : {seed.y - 1, seed.y + 1}) {
            if (ny < 0 || ny >= s.height) continue;
            bool inRun = false;
            for (int px = left; px < right; px++) {
                bool open = !mark(px, ny) && fills(px, ny);
                if (open && !inRun) stack.push_back({px, ny});
                inRun = open;
            }
        }
    }
    Painter painter(*d);
    area.Paint(painter, BrushInk(*d));
    return TRUE;
}
