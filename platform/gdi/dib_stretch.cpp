#include "dib_stretch.h"

#include <algorithm>

#include "blit.h"
#include "colour.h"

namespace gdi {

namespace {

// When one source axis is longer than its destination, the destination takes one pixel of each group of
// source pixels that fall on it (COLORONCOLOR: the last column, the first row), or all of them ANDed
// (BLACKONWHITE) or ORed (WHITEONBLACK).
enum class Pick { First, Last, And, Or };

// The source pixels one axis of the decoded piece holds: entry k stands for the group of source pixels
// [bounds[k], bounds[k + 1]) when shrinking, for source pixel start + k otherwise.
struct Axis {
    bool shrink = false;
    int64_t start = 0, length = 0;
    std::vector<int64_t> bounds;

    int64_t entries() const { return shrink ? int64_t(bounds.size()) - 1 : length; }
    int64_t from(int64_t k) const { return shrink ? bounds[size_t(k)] : start + k; }
    int64_t to(int64_t k) const { return shrink ? bounds[size_t(k) + 1] : start + k + 1; }
};

// The groups of the blit's walk: source pixel s falls on destination (s * dst + (dst - 1) / 2) / src, so
// destination i starts at (i * src + dst - 1 - (dst - 1) / 2) / dst.
Axis ShrinkingAxis(int64_t dstLength, int64_t srcStart, int64_t srcLength) {
    Axis axis;
    axis.shrink = true;
    axis.start = srcStart;
    axis.length = srcLength;
    int64_t c = dstLength - 1 - (dstLength - 1) / 2;
    axis.bounds.resize(size_t(dstLength) + 1);
    for (int64_t i = 0; i <= dstLength; i++) axis.bounds[size_t(i)] = srcStart + (i * srcLength + c) / dstLength;
    return axis;
}

Axis WholeAxis(int64_t start, int64_t length) {
    Axis axis;
    axis.start = start;
    axis.length = length;
    return axis;
}

uint32_t Combine(Pick pick, uint32_t a, uint32_t b) { return pick == Pick::Or ? (a | b) : (a & b); }

// The piece of the picture the axes describe, one surface pixel an entry.
bool Decode(const DibDecoder& dib, bool toMono, const Axis& cols, const Axis& rows, Pick colPick, Pick rowPick,
            Surface& piece) {
    if (!piece.allocate(int(cols.entries()), int(rows.entries()), 32)) return false;
    std::vector<uint32_t> line(size_t(cols.length));
    int64_t left = cols.start;
    for (int j = 0; j < piece.height; j++) {
        uint32_t* out = piece.row(j);
        int64_t first = rows.from(j), last = rowPick == Pick::First ? first + 1 : rows.to(j);
        for (int64_t r = first; r < last; r++) {
            dib.ReadRow(int(r), int(left), int(cols.length), line.data());
            if (toMono)
                for (uint32_t& p : line) p = NearestMono(RgbFromPixel(p));
            for (int k = 0; k < piece.width; k++) {
                uint32_t v;
                if (!cols.shrink || colPick == Pick::Last) {
                    v = line[size_t(cols.to(k) - 1 - left)];
                } else {
                    v = line[size_t(cols.from(k) - left)];
                    for (int64_t c = cols.from(k) + 1; c < cols.to(k); c++) v = Combine(colPick, v, line[size_t(c - left)]);
                }
                out[k] = r == first ? v : Combine(rowPick, out[k], v);
            }
        }
    }
    return true;
}

// A piece that keeps the source's size, so that each source pixel maps to one destination pixel.
bool DrawWholePiece(DeviceContext& d, const DibDecoder& dib, bool toMono, int64_t x, int64_t y, int64_t w, int64_t h,
                    int64_t sx, int64_t sy, int64_t sw, int64_t sh, DWORD rop) {
    Surface piece;
    if (!Decode(dib, toMono, WholeAxis(0, dib.width()), WholeAxis(0, dib.height()), Pick::Last, Pick::First, piece))
        return false;
    BlitSource source;
    source.surface = &piece;
    return StretchToDc(d, x, y, w, h, &source, sx, sy, sw, sh, rop);
}

// A whole run-length picture copied at its size: the pixels its runs skipped keep the destination's.
bool DrawWrittenSpans(DeviceContext& d, const DibDecoder& dib, bool toMono, int64_t x, int64_t y) {
    Surface piece;
    if (!Decode(dib, toMono, WholeAxis(0, dib.width()), WholeAxis(0, dib.height()), Pick::Last, Pick::First, piece))
        return false;
    BlitSource source;
    source.surface = &piece;
    for (int r = 0; r < piece.height; r++) {
        for (int a = 0; a < piece.width;) {
            if (!dib.Written(a, r)) {
                a++;
                continue;
            }
            int b = a;
            while (b < piece.width && dib.Written(b, r)) b++;
            StretchToDc(d, x + a, y + r, b - a, 1, &source, a, r, b - a, 1, SRCCOPY);
            a = b;
        }
    }
    return true;
}

}  // namespace

bool StretchDib(DeviceContext& d, const DibDecoder& dib, int64_t x, int64_t y, int64_t w, int64_t h, int64_t sx,
                int64_t sy, int64_t sw, int64_t sh, DWORD rop) {
    if (!MakeRop3(rop).usesSource()) return StretchToDc(d, x, y, w, h, nullptr, 0, 0, 0, 0, rop);
    bool toMono = d.surface->monochrome();
    bool whole = sx == 0 && sy == 0 && sw == dib.width() && sh == dib.height();
    if (dib.runLength() && whole && w == sw && h == sh && rop == SRCCOPY)
        return DrawWrittenSpans(d, dib, toMono, x, y);

    // The source rectangle as the blit takes it: extents made positive, mirroring noted.
    int64_t dw = std::llabs(w), dh = std::llabs(h);
    int64_t left = sx, top = sy, width = sw, height = sh;
    bool flipX = width < 0, flipY = height < 0;
    if (flipX) left += width + 1, width = -width;
    if (flipY) top += height + 1, height = -height;
    bool inside = left >= 0 && top >= 0 && left + width <= dib.width() && top + height <= dib.height();
    if (dw == 0 || dh == 0 || width == 0 || height == 0 || !inside)
        return DrawWholePiece(d, dib, toMono, x, y, w, h, sx, sy, sw, sh, rop);

    bool combine = d.stretchMode != COLORONCOLOR && d.stretchMode != HALFTONE;
    Pick together = d.stretchMode == WHITEONBLACK ? Pick::Or : Pick::And;
    Axis cols = width > dw ? ShrinkingAxis(dw, left, width) : WholeAxis(left, width);
    Axis rows = height > dh ? ShrinkingAxis(dh, top, height) : WholeAxis(top, height);
    Surface piece;
    if (!Decode(dib, toMono, cols, rows, combine ? together : Pick::Last, combine ? together : Pick::First, piece))
        return false;
    BlitSource source;
    source.surface = &piece;
    int64_t pw = piece.width, ph = piece.height;
    return StretchToDc(d, x, y, w, h, &source, flipX ? pw - 1 : 0, flipY ? ph - 1 : 0, flipX ? -pw : pw,
                       flipY ? -ph : ph, rop);
}

}  // namespace gdi
