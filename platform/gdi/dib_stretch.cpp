#include "dib_stretch.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "blit.h"
#include "colour.h"
#include "stretch_map.h"

namespace gdi {

namespace {

// The blit's own limit on extents.
constexpr int64_t kMaxExtent = int64_t(1) << 31;
// Destinations up to this many pixels are decoded whole (see DrawMapped).
constexpr int64_t kMaxMappedPixels = int64_t(1) << 22;
// A piece of up to this many pixels is kept for the next picture.
constexpr size_t kKeptPiecePixels = size_t(1) << 20;

// How the source pixels that fall on one destination pixel make its pixel: the one the map kept
// (COLORONCOLOR), or all of them ANDed (BLACKONWHITE) or ORed (WHITEONBLACK).
enum class Fold { One, And, Or };

// The entries of a map that take source pixels. The walk is monotonic, so the ones without any lie at
// the ends.
struct Entries {
    size_t low = 0, high = 0;
    bool empty() const { return low == high; }
};

Entries EntriesWithSource(const AxisMap& map) {
    size_t low = 0, high = map.begin.size();
    while (low < high && map.begin[low] == map.end[low]) low++;
    while (high > low && map.begin[high - 1] == map.end[high - 1]) high--;
    return {low, high};
}

template <Fold fold>
void FoldRow(const uint32_t* line, const std::vector<int>& first, const std::vector<int>& last, uint32_t* out) {
    for (size_t k = 0; k < first.size(); k++) {
        uint32_t v = out[k];
        for (int c = first[k]; c < last[k]; c++) v = fold == Fold::Or ? v | line[c] : v & line[c];
        out[k] = v;
    }
}

void ReadSourceRow(DibDecoder& dib, bool toMono, int y, int left, std::vector<uint32_t>& line) {
    dib.ReadRow(y, left, int(line.size()), line.data());
    if (toMono)
        for (uint32_t& p : line) p = NearestMono(RgbFromPixel(p));
}

// The part of the destination that takes source pixels, decoded into a piece one pixel an entry of the
// maps, so that the blit copies it one to one. Only source rows the maps name are read, bottom row first
// as run-length pictures hold them.
bool DecodePiece(DibDecoder& dib, bool toMono, const AxisMap& cols, Entries c, const AxisMap& rows, Entries r,
                 Fold fold, Surface& piece) {
    if (!piece.allocate(int(c.high - c.low), int(r.high - r.low), 32)) return false;
    int left = INT_MAX, right = 0;
    for (size_t k = c.low; k < c.high; k++) left = std::min(left, cols.begin[k]), right = std::max(right, cols.end[k]);
    // Pictures come by the dozen: the buffers are kept for the next.
    thread_local std::vector<uint32_t> line;
    thread_local std::vector<int> first, last;  // each entry's columns, counted from the left one read
    line.resize(size_t(right - left));
    first.resize(size_t(piece.width));
    last.resize(size_t(piece.width));
    for (size_t k = 0; k < first.size(); k++)
        first[k] = cols.begin[c.low + k] - left, last[k] = cols.end[c.low + k] - left;

    bool upward = rows.begin[r.low] <= rows.begin[r.high - 1];
    for (int n = 0; n < piece.height; n++) {
        int j = upward ? piece.height - 1 - n : n;
        size_t e = r.low + size_t(j);
        uint32_t* out = piece.row(j);
        // Enlarged, neighbouring rows show the same source row.
        int previous = upward ? j + 1 : j - 1;
        if (n > 0 && rows.begin[e] == rows.begin[r.low + size_t(previous)] &&
            rows.end[e] == rows.end[r.low + size_t(previous)]) {
            std::copy_n(piece.row(previous), piece.width, out);
            continue;
        }
        if (fold == Fold::One) {
            ReadSourceRow(dib, toMono, rows.begin[e], left, line);
            for (size_t k = 0; k < first.size(); k++) out[k] = line[size_t(first[k])];
            continue;
        }
        std::fill_n(out, piece.width, fold == Fold::Or ? 0u : kPixelMask);
        // Rows the runs left alone are all colour 0: one of them folds in what all of them would.
        bool blankFolded = false;
        for (int y = rows.end[e] - 1; y >= rows.begin[e]; y--) {
            if (dib.RowIsBlank(y)) {
                if (blankFolded) continue;
                blankFolded = true;
            }
            ReadSourceRow(dib, toMono, y, left, line);
            if (fold == Fold::Or)
                FoldRow<Fold::Or>(line.data(), first, last, out);
            else
                FoldRow<Fold::And>(line.data(), first, last, out);
        }
    }
    return true;
}

// An operation that does not read the picture is still cut to it: a piece of its size without pixels will do.
bool DrawShape(DeviceContext& d, const DibDecoder& dib, int64_t x, int64_t y, int64_t w, int64_t h, int64_t sx,
               int64_t sy, int64_t sw, int64_t sh, DWORD rop) {
    Surface shape;
    shape.width = dib.width();
    shape.height = dib.height();
    BlitSource source;
    source.surface = &shape;
    return StretchToDc(d, x, y, w, h, &source, sx, sy, sw, sh, rop);
}

// A whole run-length picture copied at its size: the pixels its runs skipped keep the destination's.
bool DrawWrittenSpans(DeviceContext& d, DibDecoder& dib, bool toMono, int64_t x, int64_t y) {
    thread_local Surface span;
    BlitSource source;
    source.surface = &span;
    for (int r = dib.height() - 1; r >= 0; r--) {
        for (auto [a, b] : dib.WrittenSpans(r)) {
            if (!span.allocate(b - a, 1, 32)) return false;
            dib.ReadRow(r, a, b - a, span.row(0));
            if (toMono)
                for (int k = 0; k < b - a; k++) span.row(0)[k] = NearestMono(RgbFromPixel(span.row(0)[k]));
            StretchToDc(d, x + a, y + r, b - a, 1, &source, 0, 0, b - a, 1, SRCCOPY);
        }
    }
    return true;
}

// One axis of the piece: the source pixels of each entry, and where the blit draws the entries from.
struct PieceAxis {
    AxisMap map;
    Entries entries;
    int64_t dst = 0, dstExtent = 0, src = 0, srcExtent = 0;  // the destination's logical coordinates
    int64_t length() const { return int64_t(entries.high - entries.low); }
};

// The destination pixels that take source pixels, an entry each, for the blit to copy one to one.
void MapDestination(PieceAxis& axis, int64_t origin) {
    axis.entries = EntriesWithSource(axis.map);
    axis.dst = axis.map.first + int64_t(axis.entries.low) - origin;
    axis.src = 0;
    axis.dstExtent = axis.srcExtent = axis.length();
}

// The source pixels that exist, an entry each, for the blit to enlarge as it would enlarge the picture.
void KeepSource(PieceAxis& axis, int64_t dst, int64_t dstExtent, int64_t src, int64_t srcExtent, int64_t size) {
    int64_t low = std::max<int64_t>(srcExtent < 0 ? src + srcExtent + 1 : src, 0);
    int64_t high = std::min<int64_t>(srcExtent < 0 ? src + 1 : src + srcExtent, size);
    axis.map.begin.resize(size_t(high - low));
    axis.map.end.resize(size_t(high - low));
    for (int64_t k = 0; k < high - low; k++)
        axis.map.begin[size_t(k)] = int(low + k), axis.map.end[size_t(k)] = int(low + k + 1);
    axis.entries = {0, size_t(high - low)};
    axis.dst = dst;
    axis.dstExtent = dstExtent;
    axis.src = src - low;
    axis.srcExtent = srcExtent;
}

// The blit's walk and clip, with the piece it would read decoded straight from the picture: the memory
// drawn needs the destination's size, whatever size the picture claims. Destinations of up to
// kMaxMappedPixels are decoded whole; along an axis of a larger one that enlarges (a printed page), the
// piece keeps the source's pixels and the blit enlarges them.
bool DrawMapped(DeviceContext& d, DibDecoder& dib, bool toMono, int64_t x, int64_t y, int64_t w, int64_t h, int64_t sx,
                int64_t sy, int64_t sw, int64_t sh, DWORD rop) {
    if (std::llabs(w) > kMaxExtent || std::llabs(h) > kMaxExtent) return false;
    if (w == 0 || h == 0) return true;
    if (sw == 0 || sh == 0 || std::llabs(sw) > kMaxExtent || std::llabs(sh) > kMaxExtent) return false;
    bool combine = d.stretchMode != COLORONCOLOR && d.stretchMode != HALFTONE;
    StretchAxis ax{x + d.origin.x, w, sx, sw}, ay{y + d.origin.y, h, sy, sh};
    StretchClip clip;
    if (!ClipStretch(ax, ay, BoundsOf(ClipBoxes(d)), dib.width(), dib.height(), clip)) return true;
    thread_local PieceAxis cols, rows;
    MapAxis(cols.map, ax, clip.dstX, clip.srcX, combine ? Shrink::Combine : Shrink::Last);
    MapAxis(rows.map, ay, clip.dstY, clip.srcY, combine ? Shrink::Combine : Shrink::First);
    MapDestination(cols, d.origin.x);
    MapDestination(rows, d.origin.y);
    if (cols.length() == 0 || rows.length() == 0) return true;
    if (cols.length() * rows.length() > kMaxMappedPixels) {
        if (std::llabs(sw) < std::llabs(w)) KeepSource(cols, x, w, sx, sw, dib.width());
        if (std::llabs(sh) < std::llabs(h)) KeepSource(rows, y, h, sy, sh, dib.height());
    }
    Fold fold = !combine ? Fold::One : d.stretchMode == WHITEONBLACK ? Fold::Or : Fold::And;
    // Previews and the canvas come by the dozen at the same sizes: the piece's memory is kept for the next.
    thread_local Surface piece;
    if (!DecodePiece(dib, toMono, cols.map, cols.entries, rows.map, rows.entries, fold, piece)) return false;
    BlitSource source;
    source.surface = &piece;
    bool drawn = StretchToDc(d, cols.dst, rows.dst, cols.dstExtent, rows.dstExtent, &source, cols.src, rows.src,
                             cols.srcExtent, rows.srcExtent, rop);
    if (piece.storage.capacity() > kKeptPiecePixels) piece = Surface();
    return drawn;
}

}  // namespace

bool StretchDib(DeviceContext& d, DibDecoder& dib, int64_t x, int64_t y, int64_t w, int64_t h, int64_t sx, int64_t sy,
                int64_t sw, int64_t sh, DWORD rop) {
    if (!MakeRop3(rop).usesSource()) return DrawShape(d, dib, x, y, w, h, sx, sy, sw, sh, rop);
    bool toMono = d.surface->monochrome();
    bool whole = sx == 0 && sy == 0 && sw == dib.width() && sh == dib.height();
    if (dib.runLength() && whole && w == sw && h == sh && rop == SRCCOPY) return DrawWrittenSpans(d, dib, toMono, x, y);
    return DrawMapped(d, dib, toMono, x, y, w, h, sx, sy, sw, sh, rop);
}

}  // namespace gdi
