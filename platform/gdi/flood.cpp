// ExtFloodFill: a 4-connected scanline fill painted with the brush.
#include <algorithm>
#include <cstring>
#include <vector>

#include "colour.h"
#include "paint.h"

using namespace gdi;

namespace {

struct Seed {
    int x, y;
};

struct Run {
    int y, left, right;
};

// Which pixels the fill may take: the right colour (or not the border colour), not yet taken, inside the
// clip. Pixels outside the clip start out as taken, so the search tests two things a pixel.
class FillTest {
public:
    FillTest(const Surface& s, const std::vector<Box>& clip, uint32_t target, bool surface)
        : s_(s), target_(target), surface_(surface), taken_(size_t(s.width) * size_t(s.height), 1) {
        for (const Box& b : clip)
            for (int y = b.top; y < b.bottom; y++) std::fill(&taken_[index(b.left, y)], &taken_[index(b.right, y)], 0);
    }

    bool open(int x, int y) const { return Open(TakenRow(y), s_.row(y), x); }
    void take(int y, int left, int right) { std::fill(&taken_[index(left, y)], &taken_[index(right, y)], 1); }
    // The open run through the open pixel (x, y), as [left, right).
    void RunThrough(int x, int y, int& left, int& right) const {
        const uint8_t* taken = TakenRow(y);
        const uint32_t* pixels = s_.row(y);
        left = x;
        right = x + 1;
        while (left > 0 && Open(taken, pixels, left - 1)) left--;
        right = OpenUntil(taken, pixels, right, s_.width);
    }
    // Calls found(x) for the first pixel of each open run of row y within [left, right).
    template <typename Found>
    void ForEachRunStart(int y, int left, int right, Found found) const {
        const uint8_t* taken = TakenRow(y);
        const uint32_t* pixels = s_.row(y);
        for (int x = left; x < right;) {
            // Past the taken pixels at the speed of memchr: a neighbouring row is often taken already.
            const void* untaken = std::memchr(taken + x, 0, size_t(right - x));
            if (!untaken) return;
            x = int(static_cast<const uint8_t*>(untaken) - taken);
            if (!Open(taken, pixels, x)) {
                x++;
                continue;
            }
            found(x);
            x = OpenUntil(taken, pixels, x, right);
        }
    }

private:
    size_t index(int x, int y) const { return size_t(y) * size_t(s_.width) + size_t(x); }
    const uint8_t* TakenRow(int y) const { return &taken_[index(0, y)]; }
    bool Open(const uint8_t* taken, const uint32_t* pixels, int x) const {
        return (taken[x] == 0) & ((pixels[x] == target_) == surface_);
    }
    // The end of the open pixels from x, before limit: eight at a time while all eight are open.
    int OpenUntil(const uint8_t* taken, const uint32_t* pixels, int x, int limit) const {
        for (; x + 8 <= limit; x += 8) {
            bool all = true;
            for (int k = 0; k < 8; k++) all &= Open(taken, pixels, x + k);
            if (!all) break;
        }
        while (x < limit && Open(taken, pixels, x)) x++;
        return x;
    }
    const Surface& s_;
    uint32_t target_;
    bool surface_;
    std::vector<uint8_t> taken_;
};

// The runs of the area around (x, y), found before anything is painted so that the brush cannot feed back
// into the test.
std::vector<Run> FindFillArea(const Surface& s, FillTest& test, int x, int y) {
    std::vector<Run> runs;
    std::vector<Seed> stack{{x, y}};
    while (!stack.empty()) {
        Seed seed = stack.back();
        stack.pop_back();
        if (!test.open(seed.x, seed.y)) continue;
        int left, right;
        test.RunThrough(seed.x, seed.y, left, right);
        test.take(seed.y, left, right);
        runs.push_back({seed.y, left, right});
        for (int ny : {seed.y - 1, seed.y + 1}) {
            if (ny < 0 || ny >= s.height) continue;
            test.ForEachRunStart(ny, left, right, [&](int px) { stack.push_back({px, ny}); });
        }
    }
    return runs;
}

}  // namespace

BOOL WINAPI ExtFloodFill(HDC dc, int x, int y, COLORREF colour, UINT type) {
    DeviceContext* d = FindDc(dc);
    if (!d || !d->surface) return FALSE;
    const Surface& s = *d->surface;
    int64_t sx = int64_t(x) + d->origin.x, sy = int64_t(y) + d->origin.y;
    if (sx < 0 || sy < 0 || sx >= s.width || sy >= s.height) return FALSE;
    COLORREF rgb = ResolveColour(*d, colour);
    uint32_t target = s.monochrome() ? NearestMono(rgb) : PixelFromRgb(rgb);
    FillTest test(s, ClipBoxes(*d), target, type == FLOODFILLSURFACE);
    if (!test.open(int(sx), int(sy))) return FALSE;
    std::vector<Run> runs = FindFillArea(s, test, int(sx), int(sy));
    Painter painter(*d);
    Ink ink = BrushInk(*d);
    for (const Run& run : runs) painter.Span(run.y, run.left, run.right, ink);
    return TRUE;
}
