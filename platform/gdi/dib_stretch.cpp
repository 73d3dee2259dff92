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

// Destinations up to this many pixels are mapped here whole, so that the blit copies the piece one to one;
// larger ones are mapped only along the axes that shrink.
constexpr int64_t kMaxMappedPixels = int64_t(1) << 22;
// A piece of up to this many pixels is kept for the next picture.
constexpr size_t kKeptPiecePixels = size_t(1) << 20;

// The source pixels one axis of the decoded piece holds: entry k stands for source pixels
// [first[k], last[k]), a group of them when shrinking; start and length span all of them.
struct Axis {
    int64_t start = 0, length = 0;
    bool shrink = false;
    std::vector<int64_t> first, last;

    int64_t entries() const { return int64_t(first.size()); }
};

// The blit's walk. Shrinking, source pixel s falls on destination (s * dst + (dst - 1) / 2) / src, so
// destination i starts at (i * src + dst - 1 - (dst - 1) / 2) / dst; otherwise destination i shows
// (i * src + (src - 1) / 2) / dst.
void MapAxis(Axis& axis, int64_t dstLength, int64_t srcStart, int64_t srcLength) {
    axis.start = srcStart;
    axis.length = srcLength;
    axis.shrink = srcLength > dstLength;
    axis.first.resize(size_t(dstLength));
    axis.last.resize(size_t(dstLength));
    int64_t c = axis.shrink ? dstLength - 1 - (dstLength - 1) / 2 : (srcLength - 1) / 2;
    for (int64_t i = 0; i < dstLength; i++) {
        axis.first[size_t(i)] = srcStart + (i * srcLength + c) / dstLength;
        axis.last[size_t(i)] = axis.shrink ? srcStart + ((i + 1) * srcLength + c) / dstLength : axis.first[size_t(i)] + 1;
    }
}

// Each source pixel once, for the blit to stretch.
void WholeAxis(Axis& axis, int64_t start, int64_t length) {
    axis.start = start;
    axis.shrink = false;
    axis.length = length;
    axis.first.resize(size_t(length));
    axis.last.resize(size_t(length));
    for (int64_t k = 0; k < length; k++) axis.first[size_t(k)] = start + k, axis.last[size_t(k)] = start + k + 1;
}

template <Pick pick>
void CombineInto(uint32_t& into, uint32_t value) {
    if constexpr (pick == Pick::Or)
        into |= value;
    else
        into &= value;
}

// Folds one decoded source row into a row of the piece: each entry ANDs or ORs in the pixels of its group
// of columns (or takes its one column).
template <Pick pick>
void FoldRow(const uint32_t* line, const std::vector<int>& first, const std::vector<int>& last, uint32_t* out) {
    for (size_t k = 0; k < first.size(); k++) {
        uint32_t v = out[k];
        for (int c = first[k]; c < last[k]; c++) CombineInto<pick>(v, line[c]);
        out[k] = v;
    }
}

// The piece of the picture the axes describe, one surface pixel an entry.
bool Decode(const DibDecoder& dib, bool toMono, const Axis& cols, const Axis& rows, Pick colPick, Pick rowPick,
            Surface& piece) {
    if (!piece.allocate(int(cols.entries()), int(rows.entries()), 32)) return false;
    // Pictures come by the dozen: the buffers are kept for the next.
    thread_local std::vector<uint32_t> line;
    thread_local std::vector<int> first, last;  // each entry's columns, counted from the first decoded one
    line.resize(size_t(cols.length));
    first.resize(size_t(piece.width));
    last.resize(size_t(piece.width));
    bool combineCols = cols.shrink && colPick != Pick::Last;
    for (size_t k = 0; k < size_t(piece.width); k++) {
        last[k] = int(cols.last[k] - cols.start);
        first[k] = combineCols ? int(cols.first[k] - cols.start) : last[k] - 1;
    }
    bool combineRows = rows.shrink && (rowPick == Pick::And || rowPick == Pick::Or);
    for (int j = 0; j < piece.height; j++) {
        uint32_t* out = piece.row(j);
        int64_t from = rows.first[size_t(j)], to = combineRows ? rows.last[size_t(j)] : from + 1;
        // Enlarged, neighbouring rows show the same source row.
        if (j > 0 && !combineRows && from == rows.first[size_t(j) - 1]) {
            std::copy_n(piece.row(j - 1), piece.width, out);
            continue;
        }
        if (!combineRows && !combineCols) {
            dib.ReadRow(int(from), int(cols.start), int(cols.length), line.data());
            if (toMono)
                for (uint32_t& p : line) p = NearestMono(RgbFromPixel(p));
            for (size_t k = 0; k < first.size(); k++) out[k] = line[size_t(first[k])];
            continue;
        }
        std::fill_n(out, piece.width, rowPick == Pick::Or ? 0u : kPixelMask);
        for (int64_t r = from; r < to; r++) {
            dib.ReadRow(int(r), int(cols.start), int(cols.length), line.data());
            if (toMono)
                for (uint32_t& p : line) p = NearestMono(RgbFromPixel(p));
            if (rowPick == Pick::Or)
                FoldRow<Pick::Or>(line.data(), first, last, out);
            else
                FoldRow<Pick::And>(line.data(), first, last, out);
        }
    }
    return true;
}

// A piece that keeps the source's size, so that each source pixel maps to one destination pixel. An
// operation that does not read the picture is still cut to it: a piece of its size without pixels will do.
bool DrawWholePiece(DeviceContext& d, const DibDecoder& dib, bool toMono, int64_t x, int64_t y, int64_t w, int64_t h,
                    int64_t sx, int64_t sy, int64_t sw, int64_t sh, DWORD rop) {
    thread_local Axis cols, rows;
    thread_local Surface piece;
    BlitSource source;
    source.surface = &piece;
    if (!MakeRop3(rop).usesSource()) {
        Surface shape;
        shape.width = dib.width();
        shape.height = dib.height();
        source.surface = &shape;
        return StretchToDc(d, x, y, w, h, &source, sx, sy, sw, sh, rop);
    }
    WholeAxis(cols, 0, dib.width());
    WholeAxis(rows, 0, dib.height());
    if (!Decode(dib, toMono, cols, rows, Pick::Last, Pick::First, piece)) return false;
    bool drawn = StretchToDc(d, x, y, w, h, &source, sx, sy, sw, sh, rop);
    if (piece.storage.capacity() > kKeptPiecePixels) piece = Surface();
    return drawn;
}

// A whole run-length picture copied at its size: the pixels its runs skipped keep the destination's.
bool DrawWrittenSpans(DeviceContext& d, const DibDecoder& dib, bool toMono, int64_t x, int64_t y) {
    Axis cols, rows;
    WholeAxis(cols, 0, dib.width());
    WholeAxis(rows, 0, dib.height());
    Surface piece;
    if (!Decode(dib, toMono, cols, rows, Pick::Last, Pick::First, piece)) return false;
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
    bool toMono = d.surface->monochrome();
    bool whole = sx == 0 && sy == 0 && sw == dib.width() && sh == dib.height();
    if (dib.runLength() && whole && w == sw && h == sh && rop == SRCCOPY)
        return DrawWrittenSpans(d, dib, toMono, x, y);

    // Only a forward copy from inside the picture is mapped here; the blit's own walk takes the rest: the
    // part of the picture that exists, mirrored from the corner given, and operations that do not read the
    // picture but are cut to it all the same.
    int64_t dw = w, dh = h, left = sx, top = sy, width = sw, height = sh;
    bool inside = left >= 0 && top >= 0 && left + width <= dib.width() && top + height <= dib.height();
    bool forward = dw > 0 && dh > 0 && width > 0 && height > 0;
    if (!forward || !inside || !MakeRop3(rop).usesSource())
        return DrawWholePiece(d, dib, toMono, x, y, w, h, sx, sy, sw, sh, rop);

    bool combine = d.stretchMode != COLORONCOLOR && d.stretchMode != HALFTONE;
    Pick together = d.stretchMode == WHITEONBLACK ? Pick::Or : Pick::And;
    bool mapAll = dw * dh <= kMaxMappedPixels;
    thread_local Axis cols, rows;
    if (width > dw || mapAll)
        MapAxis(cols, dw, left, width);
    else
        WholeAxis(cols, left, width);
    if (height > dh || mapAll)
        MapAxis(rows, dh, top, height);
    else
        WholeAxis(rows, top, height);
    // Previews and the canvas come by the dozen at the same sizes: the piece's memory is kept for the next.
    thread_local Surface piece;
    if (!Decode(dib, toMono, cols, rows, combine ? together : Pick::Last, combine ? together : Pick::First, piece))
        return false;
    BlitSource source;
    source.surface = &piece;
    int64_t pw = piece.width, ph = piece.height;
    bool drawn = StretchToDc(d, x, y, w, h, &source, 0, 0, pw, ph, rop);
    if (piece.storage.capacity() > kKeptPiecePixels) piece = Surface();
    return drawn;
}

}  // namespace gdi
