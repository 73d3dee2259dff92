#include "blit.h"

#include <algorithm>
#include <cstring>

#include "colour.h"
#include "paint.h"

namespace gdi {

namespace {

constexpr int64_t kMaxExtent = int64_t(1) << 31;

// Where each visible destination pixel of one axis takes its source pixels from.
struct AxisMap {
    int64_t first = 0;                   // destination coordinate of entry 0
    std::vector<int> begin, end;         // source range [begin, end); begin == end: nothing
};

// When shrinking, which of the source pixels that fall on one destination pixel it gets.
enum class Shrink { Combine, First, Last };

AxisMap MapAxis(int64_t dstStart, int64_t dstLength, int64_t srcStart, int64_t srcLength, bool mirror, Shrink shrink,
                int64_t visibleLow, int64_t visibleHigh, int srcLimit) {
    AxisMap map;
    int64_t lo = std::max(dstStart, visibleLow), hi = std::min(dstStart + dstLength, visibleHigh);
    map.first = lo;
    // Shrinking, source pixel s falls on destination (s * dstLength + (dstLength - 1) / 2) / srcLength;
    // this is the first source pixel that falls on destination i or later.
    int64_t half = (dstLength - 1) / 2;
    auto groupStart = [&](int64_t i) {
        int64_t n = i * srcLength - half;
        return n <= 0 ? 0 : (n + dstLength - 1) / dstLength;
    };
    for (int64_t d = lo; d < hi; d++) {
        int64_t i = mirror ? dstStart + dstLength - 1 - d : d - dstStart;
        int64_t a, b;
        if (srcLength > dstLength) {
            a = groupStart(i);
            b = groupStart(i + 1);
            if (shrink == Shrink::First) b = a + 1;
            if (shrink == Shrink::Last) a = b - 1;
        } else {
            // Enlarging, the other way round: destination i shows (i * srcLength + (srcLength - 1) / 2) / dstLength.
            a = (i * srcLength + (srcLength - 1) / 2) / dstLength;
            b = a + 1;
        }
        a = std::clamp<int64_t>(srcStart + a, 0, srcLimit);
        b = std::clamp<int64_t>(srcStart + b, 0, srcLimit);
        map.begin.push_back(int(a));
        map.end.push_back(int(std::max(a, b)));
    }
    return map;
}

uint32_t PatternPixel(const DeviceContext& d, const Brush* brush, int x, int y) {
    if (!brush || brush->style == BS_NULL) return 0;
    uint32_t fore = PenPixel(d, brush->colour);
    if (brush->style != BS_HATCHED) return fore;
    bool set = (HatchRows(brush->hatch)[(y - d.origin.y) & 7] << ((x - d.origin.x) & 7)) & 0x80;
    return set ? fore : PenPixel(d, d.bkColour);
}

// Unstretched plain copies go row by row in memory order.
bool TryPlainCopy(DeviceContext& dst, int64_t x, int64_t y, int64_t w, int64_t h, const BlitSource& src, int64_t sx,
                  int64_t sy) {
    if (src.conversion != BlitSource::Same) return false;
    const Surface& s = *src.surface;
    Surface& t = *dst.surface;
    // Clip to the source surface first, then to each destination box.
    int64_t shiftX = x - sx, shiftY = y - sy;
    int64_t l = std::max<int64_t>(x, shiftX), tp = std::max<int64_t>(y, shiftY);
    int64_t r = std::min<int64_t>(x + w, shiftX + s.width), b = std::min<int64_t>(y + h, shiftY + s.height);
    for (const Box& box : ClipBoxes(dst)) {
        int64_t bl = std::max<int64_t>(l, box.left), bt = std::max<int64_t>(tp, box.top);
        int64_t br = std::min<int64_t>(r, box.right), bb = std::min<int64_t>(b, box.bottom);
        if (bl >= br || bt >= bb) continue;
        size_t bytes = size_t(br - bl) * 4;
        bool upward = &s == &t && shiftY > 0;
        for (int64_t k = 0; k < bb - bt; k++) {
            int64_t row = upward ? bb - 1 - k : bt + k;
            std::memmove(t.row(int(row)) + bl, s.row(int(row - shiftY)) + (bl - shiftX), bytes);
        }
    }
    return true;
}

}  // namespace

BlitSource SourceFromDc(const DeviceContext& src, const DeviceContext& dst) {
    BlitSource source;
    source.surface = src.surface;
    bool fromMono = src.surface->monochrome(), toMono = dst.surface->monochrome();
    if (!fromMono && toMono) {
        source.conversion = BlitSource::ColourToMono;
        source.background = PixelFromRgb(ResolveColour(src, src.bkColour));
    } else if (fromMono && !toMono) {
        source.conversion = BlitSource::MonoToColour;
        source.zero = PixelFromRgb(ResolveColour(dst, dst.textColour));
        source.one = PixelFromRgb(ResolveColour(dst, dst.bkColour));
    }
    return source;
}

bool PatternBlt(DeviceContext& dst, int64_t x, int64_t y, int64_t w, int64_t h, const Brush* brush, uint32_t ropCode) {
    if (!dst.surface) return false;
    if (std::llabs(w) > kMaxExtent || std::llabs(h) > kMaxExtent) return false;
    x += dst.origin.x;
    y += dst.origin.y;
    if (w < 0) x += w + 1, w = -w;
    if (h < 0) y += h + 1, h = -h;
    if (w == 0 || h == 0) return true;
    // The binary operation that the ternary one is without a source.
    Rop3 rop = MakeRop3(ropCode);
    Painter painter(dst);
    Ink ink = BrushInk(dst, brush, Rop2FromRop3(rop));
    if (!rop.usesPattern()) {
        ink.type = Ink::Solid;
        ink.fore = MakeRop2(Rop2FromRop3(rop), 0);
    }
    int64_t top = std::max<int64_t>(y, painter.bounds().top), bottom = std::min<int64_t>(y + h, painter.bounds().bottom);
    int64_t left = std::max<int64_t>(x, painter.bounds().left), right = std::min<int64_t>(x + w, painter.bounds().right);
    for (int64_t row = top; row < bottom; row++) painter.Span(int(row), int(left), int(right), ink);
    return true;
}

bool StretchToDc(DeviceContext& dst, int64_t x, int64_t y, int64_t w, int64_t h, const BlitSource* src, int64_t sx,
                 int64_t sy, int64_t sw, int64_t sh, uint32_t ropCode) {
    if (!dst.surface) return false;
    Rop3 rop = MakeRop3(ropCode);
    if (!rop.usesSource()) return PatternBlt(dst, x, y, w, h, FindBrush(dst.brush), ropCode);
    if (!src || !src->surface) return false;
    if (std::llabs(w) > kMaxExtent || std::llabs(h) > kMaxExtent) return false;
    x += dst.origin.x;
    y += dst.origin.y;
    bool mirrorX = false, mirrorY = false;
    if (w < 0) x += w + 1, w = -w, mirrorX = !mirrorX;
    if (h < 0) y += h + 1, h = -h, mirrorY = !mirrorY;
    if (w == 0 || h == 0) return true;

    if (sw < 0) sx += sw + 1, sw = -sw, mirrorX = !mirrorX;
    if (sh < 0) sy += sh + 1, sh = -sh, mirrorY = !mirrorY;
    if (sw == 0 || sh == 0 || std::llabs(sw) > kMaxExtent || std::llabs(sh) > kMaxExtent) return false;
    if (ropCode == SRCCOPY && sw == w && sh == h && !mirrorX && !mirrorY && TryPlainCopy(dst, x, y, w, h, *src, sx, sy))
        return true;

    // A copy of the source when it is the destination, so overlapping moves read the old pixels.
    Surface copy;
    BlitSource source = *src;
    if (src->surface == dst.surface) {
        copy.allocate(src->surface->width, src->surface->height, src->surface->bitsPerPixel);
        for (int row = 0; row < copy.height; row++)
            std::memcpy(copy.row(row), src->surface->row(row), size_t(copy.width) * 4);
        source.surface = &copy;
    }
    // Dropping pixels keeps the last column and the first row of each group.
    bool combine = dst.stretchMode != COLORONCOLOR && dst.stretchMode != HALFTONE;
    bool useOr = dst.stretchMode == WHITEONBLACK;
    const Brush* brush = FindBrush(dst.brush);
    Box bounds = ClipBounds(dst);
    AxisMap cols = MapAxis(x, w, sx, sw, mirrorX, combine ? Shrink::Combine : Shrink::Last, bounds.left, bounds.right, source.surface->width);
    AxisMap rows = MapAxis(y, h, sy, sh, mirrorY, combine ? Shrink::Combine : Shrink::First, bounds.top, bounds.bottom, source.surface->height);
    std::vector<Box> boxes = ClipBoxes(dst);
    for (size_t j = 0; j < rows.begin.size(); j++) {
        if (rows.begin[j] == rows.end[j]) continue;
        int dy = int(rows.first + int64_t(j));
        uint32_t* out = dst.surface->row(dy);
        for (size_t i = 0; i < cols.begin.size(); i++) {
            if (cols.begin[i] == cols.end[i]) continue;
            int dx = int(cols.first + int64_t(i));
            bool inside = false;
            for (const Box& b : boxes)
                if (dx >= b.left && dx < b.right && dy >= b.top && dy < b.bottom) inside = true;
            if (!inside) continue;
            uint32_t s = useOr ? 0 : kPixelMask;
            for (int sr = rows.begin[j]; sr < rows.end[j]; sr++)
                for (int sc = cols.begin[i]; sc < cols.end[i]; sc++)
                    s = useOr ? (s | source.pixel(sc, sr)) : (s & source.pixel(sc, sr));
            uint32_t p = rop.usesPattern() ? PatternPixel(dst, brush, dx, dy) : 0;
            out[dx] = rop.apply(p, s, out[dx]);
        }
    }
    return true;
}

}  // namespace gdi

using namespace gdi;

BOOL WINAPI PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
    DeviceContext* d = FindDc(dc);
    if (!d || MakeRop3(rop).usesSource()) return FALSE;
    return StretchToDc(*d, x, y, width, height, nullptr, 0, 0, 0, 0, rop);
}

BOOL WINAPI StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                       int srcHeight, DWORD rop) {
    DeviceContext* d = FindDc(dst);
    if (!d || !d->surface) return FALSE;
    DeviceContext* s = FindDc(src);
    if (!s || !s->surface) return StretchToDc(*d, x, y, width, height, nullptr, 0, 0, 0, 0, rop);
    BlitSource source = SourceFromDc(*s, *d);
    return StretchToDc(*d, x, y, width, height, &source, int64_t(srcX) + s->origin.x, int64_t(srcY) + s->origin.y,
                       srcWidth, srcHeight, rop);
}

BOOL WINAPI BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    return StretchBlt(dst, x, y, width, height, src, srcX, srcY, width, height, rop);
}

BOOL WINAPI InvertRect(HDC dc, const RECT* rect) {
    if (!rect) return FALSE;
    return PatBlt(dc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, DSTINVERT);
}

int WINAPI FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    DeviceContext* d = FindDc(dc);
    Brush* b = FindBrush(brush);
    if (!d || !b || !rect) return 0;
    // As a pattern copy: a rectangle given right to left or bottom to top runs from its far edges.
    return PatternBlt(*d, rect->left, rect->top, int64_t(rect->right) - rect->left, int64_t(rect->bottom) - rect->top, b,
                      PATCOPY);
}
