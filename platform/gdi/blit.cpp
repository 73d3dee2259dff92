#include "blit.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <new>

#include "colour.h"
#include "damage.h"
#include "paint.h"
#include "stretch_map.h"

namespace gdi {

namespace {

constexpr int64_t kMaxExtent = int64_t(1) << 31;

// out[i] = from[at[i]], kept out of line so that the loop has its pointers in registers.
[[gnu::noinline]] void Gather(const uint32_t* __restrict from, const int* __restrict at, uint32_t* __restrict out,
                              size_t n) {
    for (size_t i = 0; i < n; i++) out[i] = from[at[i]];
}

// Shrinking by less than half, the destination columns come in runs that take consecutive source columns
// one each, between columns that take two.
struct ColumnRun {
    int out, from, count;
    bool pair;  // one destination column: from and the next, combined
};

template <bool useOr>
[[gnu::noinline]] void CopyRuns(const uint32_t* __restrict from, const ColumnRun* runs, size_t n,
                                uint32_t* __restrict out) {
    for (size_t r = 0; r < n; r++) {
        const ColumnRun& run = runs[r];
        if (run.pair) {
            out[run.out] = useOr ? from[run.from] | from[run.from + 1] : from[run.from] & from[run.from + 1];
            continue;
        }
        // Pixels keep their top byte 0, so the mask changes nothing; it keeps the compiler from turning
        // these runs of about ten pixels into calls of memcpy, which cost more than they copy.
        const uint32_t* in = from + run.from;
        uint32_t* to = out + run.out;
        for (int k = 0; k < run.count; k++) to[k] = in[k] & kPixelMask;
    }
}

// One destination row at a time: the source pixels each visible column takes, the pattern under them,
// then the raster operation over the runs the clip leaves.
class RowBlitter {
public:
    RowBlitter(const Rop3& rop, const AxisMap& cols, bool useOr, std::vector<uint32_t>& source,
               std::vector<uint32_t>& pattern)
        : rop_(rop), cols_(cols), useOr_(useOr), source_(source), pattern_(pattern) {
        source_.resize(cols.begin.size());
        pattern_.resize(cols.begin.size());
        colLow_ = cols.begin.empty() ? 0 : *std::min_element(cols.begin.begin(), cols.begin.end());
        colHigh_ = cols.end.empty() ? 0 : *std::max_element(cols.end.begin(), cols.end.end());
        for (size_t i = 0; i < cols.begin.size(); i++) {
            single_ = single_ && cols.end[i] - cols.begin[i] <= 1;
            pairs_ = pairs_ && cols.end[i] - cols.begin[i] <= 2;
            full_ = full_ && cols.end[i] > cols.begin[i];
        }
        if (pairs_ && full_ && !single_) {
            for (size_t i = 0; i < cols.begin.size(); i++) {
                int out = int(i), from = cols.begin[i];
                bool pair = cols.end[i] - cols.begin[i] == 2;
                if (!pair && !runs_.empty() && !runs_.back().pair &&
                    runs_.back().out + runs_.back().count == out && runs_.back().from + runs_.back().count == from) {
                    runs_.back().count++;
                } else {
                    runs_.push_back({out, from, 1, pair});
                }
            }
        }
    }

    void ReadSource(const BlitSource& src, int rowBegin, int rowEnd) {
        if (src.conversion == BlitSource::Same) return ReadSameSource(*src.surface, rowBegin, rowEnd);
        if (single_ && rowEnd - rowBegin == 1) {
            const uint32_t* row = src.surface->row(rowBegin);
            const int* begin = cols_.begin.data();
            const int* end = cols_.end.data();
            for (size_t i = 0; i < source_.size(); i++) source_[i] = begin[i] < end[i] ? src.convert(row[begin[i]]) : 0;
            return;
        }
        // Shrinking with BLACKONWHITE or WHITEONBLACK: the pixels that fall together, ANDed or ORed.
        for (size_t i = 0; i < source_.size(); i++) {
            uint32_t v = useOr_ ? 0 : kPixelMask;
            for (int sr = rowBegin; sr < rowEnd; sr++) {
                const uint32_t* row = src.surface->row(sr);
                for (int sc = cols_.begin[i]; sc < cols_.end[i]; sc++)
                    v = useOr_ ? (v | src.convert(row[sc])) : (v & src.convert(row[sc]));
            }
            source_[i] = v;
        }
    }

    // A plain copy whose every column takes a pixel can be read straight into the destination row.
    bool CopiesDirectly(const BlitSource& src) const {
        return rop_.code == 0xCC && full_ && src.conversion == BlitSource::Same;
    }
    void ReadInto(const BlitSource& src, int rowBegin, int rowEnd, uint32_t* target) {
        ReadSameSource(*src.surface, rowBegin, rowEnd, target);
    }

    void ReadPattern(const DeviceContext& d, const Brush* brush, int y) {
        uint32_t eight[8] = {};
        uint8_t bits = 0xFF;
        if (brush && brush->style != BS_NULL) {
            uint32_t fore = PenPixel(d, brush->colour);
            uint32_t back = brush->style == BS_HATCHED ? PenPixel(d, d.bkColour) : fore;
            if (brush->style == BS_HATCHED) bits = HatchRows(brush->hatch)[(y - d.origin.y) & 7];
            for (int k = 0; k < 8; k++) eight[k] = (bits << k) & 0x80 ? fore : back;
        }
        int64_t shift = cols_.first - d.origin.x;
        for (size_t i = 0; i < pattern_.size(); i++) pattern_[i] = eight[(int64_t(i) + shift) & 7];
        hatchGaps_ = brush && brush->style == BS_HATCHED && d.bkMode == TRANSPARENT;
        if (!hatchGaps_) return;
        gaps_.resize(pattern_.size());
        for (size_t i = 0; i < gaps_.size(); i++) gaps_[i] = !((bits << ((int64_t(i) + shift) & 7)) & 0x80);
    }

    // Destination pixels [left, right) of the row.
    void Write(uint32_t* out, int left, int right) const {
        if (hatchGaps_) return WriteAroundGaps(out, left, right);
        switch (rop_.code) {
            case 0xCC:
                if (full_) {
                    std::memcpy(out + left, source_.data() + (int64_t(left) - cols_.first), size_t(right - left) * 4);
                    return;
                }
                return Apply(out, left, right, [](uint32_t, uint32_t s, uint32_t) { return s; });
            case 0x88: return Apply(out, left, right, [](uint32_t, uint32_t s, uint32_t d) { return s & d; });
            case 0x66: return Apply(out, left, right, [](uint32_t, uint32_t s, uint32_t d) { return s ^ d; });
            case 0xEE: return Apply(out, left, right, [](uint32_t, uint32_t s, uint32_t d) { return s | d; });
            case 0x33: return Apply(out, left, right, [](uint32_t, uint32_t s, uint32_t) { return ~s & kPixelMask; });
            case 0xC0: return Apply(out, left, right, [](uint32_t p, uint32_t s, uint32_t) { return p & s; });
            // The operations without a source that a picture is cut to.
            case 0xF0: return Apply(out, left, right, [](uint32_t p, uint32_t, uint32_t) { return p; });
            case 0x5A: return Apply(out, left, right, [](uint32_t p, uint32_t, uint32_t d) { return p ^ d; });
            case 0x55: return Apply(out, left, right, [](uint32_t, uint32_t, uint32_t d) { return ~d & kPixelMask; });
            default: {
                const Rop3 rop = rop_;
                return Apply(out, left, right, [rop](uint32_t p, uint32_t s, uint32_t d) { return rop.apply(p, s, d); });
            }
        }
    }

private:
    // Without conversion: the rows that fall together are first combined into one, a whole row at a time,
    // then each destination column takes its pixel, or combines the columns that fall on it.
    void ReadSameSource(const Surface& from, int rowBegin, int rowEnd, uint32_t* target = nullptr) {
        const uint32_t* row = from.row(rowBegin);
        if (rowEnd - rowBegin > 1) {
            combined_.resize(size_t(from.width));
            uint32_t* out = combined_.data();
            std::copy(row + colLow_, row + colHigh_, out + colLow_);
            for (int sr = rowBegin + 1; sr < rowEnd; sr++) {
                const uint32_t* next = from.row(sr);
                if (useOr_) {
                    for (int c = colLow_; c < colHigh_; c++) out[c] |= next[c];
                } else {
                    for (int c = colLow_; c < colHigh_; c++) out[c] &= next[c];
                }
            }
            row = out;
        }
        const int* begin = cols_.begin.data();
        const int* end = cols_.end.data();
        uint32_t* source = target ? target : source_.data();
        size_t n = source_.size();
        if (single_ && full_) {
            Gather(row, begin, source, n);
            return;
        }
        // Shrinking by less than half, one or two columns fall on each: its first and last, combined.
        if (pairs_ && full_) {
            if (useOr_) CopyRuns<true>(row, runs_.data(), runs_.size(), source);
            else CopyRuns<false>(row, runs_.data(), runs_.size(), source);
            return;
        }
        for (size_t i = 0; i < n; i++) {
            if (begin[i] == end[i]) continue;
            uint32_t v = row[begin[i]];
            for (int sc = begin[i] + 1; sc < end[i]; sc++) v = useOr_ ? (v | row[sc]) : (v & row[sc]);
            source[i] = v;
        }
    }

    // A hatch in TRANSPARENT mode: its gaps take the operation the reference works there.
    void WriteAroundGaps(uint32_t* out, int left, int right) const {
        const Rop3 gap = HatchGapRop3(rop_);
        size_t i = size_t(int64_t(left) - cols_.first);
        for (int x = left; x < right; x++, i++) {
            if (cols_.begin[i] == cols_.end[i]) continue;
            out[x] = (gaps_[i] ? gap : rop_).apply(pattern_[i], source_[i], out[x]);
        }
    }

    template <typename F>
    void Apply(uint32_t* out, int left, int right, F f) const {
        size_t i = size_t(int64_t(left) - cols_.first);
        if (full_) {
            const uint32_t* pattern = pattern_.data() + i;
            const uint32_t* source = source_.data() + i;
            for (int x = left; x < right; x++, pattern++, source++) out[x] = f(*pattern, *source, out[x]);
            return;
        }
        for (int x = left; x < right; x++, i++)
            if (cols_.begin[i] < cols_.end[i]) out[x] = f(pattern_[i], source_[i], out[x]);
    }

    Rop3 rop_;
    const AxisMap& cols_;
    bool useOr_;
    bool single_ = true;
    bool pairs_ = true;  // no destination column takes more than two source pixels
    bool full_ = true;  // every destination column takes at least one source pixel
    int colLow_ = 0, colHigh_ = 0;  // the source columns any destination column takes
    std::vector<uint32_t> combined_;
    std::vector<ColumnRun> runs_;  // shrinking by less than half: the columns as runs
    bool hatchGaps_ = false;       // the pattern is a hatch in TRANSPARENT mode
    std::vector<uint8_t> gaps_;    // then: which columns fall in its gaps
    std::vector<uint32_t>& source_;
    std::vector<uint32_t>& pattern_;
};

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

// On one surface, an order of the destination rows in which no row is read after it has been written, so
// that the blit needs no copy of its source: rows that read only rows above them (or themselves) go from the
// bottom up, the others from the top down, one group after the other. False when neither order works.
bool InPlaceRowOrder(const AxisMap& rows, int surfaceHeight, std::vector<size_t>& order) {
    thread_local std::vector<char> written;
    std::vector<size_t> upward, downward;
    for (size_t j = rows.begin.size(); j-- > 0;)
        if (rows.end[j] - 1 <= rows.first + int64_t(j)) upward.push_back(j);
    for (size_t j = 0; j < rows.begin.size(); j++)
        if (rows.end[j] - 1 > rows.first + int64_t(j)) downward.push_back(j);
    for (bool upwardFirst : {true, false}) {
        order = upwardFirst ? upward : downward;
        const std::vector<size_t>& second = upwardFirst ? downward : upward;
        order.insert(order.end(), second.begin(), second.end());
        written.assign(size_t(surfaceHeight), 0);
        bool valid = true;
        for (size_t j : order) {
            for (int r = rows.begin[j]; r < rows.end[j] && valid; r++) valid = !written[size_t(r)];
            if (!valid) break;
            int64_t dy = rows.first + int64_t(j);
            if (dy >= 0 && dy < surfaceHeight) written[size_t(dy)] = 1;
        }
        if (valid) return true;
    }
    return false;
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
    if (!src) return !rop.usesSource() && PatternBlt(dst, x, y, w, h, FindBrush(dst.brush), ropCode);
    if (!src->surface) return false;
    if (std::llabs(w) > kMaxExtent || std::llabs(h) > kMaxExtent) return false;
    if (w == 0 || h == 0) return true;
    int64_t markLeft = dst.origin.x + (w < 0 ? x + w + 1 : x), markTop = dst.origin.y + (h < 0 ? y + h + 1 : y);
    MarkWhenDone mark(dst, markLeft, markTop, markLeft + std::llabs(w), markTop + std::llabs(h));
    if (sw == 0 || sh == 0 || std::llabs(sw) > kMaxExtent || std::llabs(sh) > kMaxExtent) return false;
    StretchAxis ax{x + dst.origin.x, w, sx, sw}, ay{y + dst.origin.y, h, sy, sh};
    // The same size with the same signs is a plain copy, whichever way it runs.
    if (ropCode == SRCCOPY && sw == w && sh == h &&
        TryPlainCopy(dst, w < 0 ? ax.dst + w + 1 : ax.dst, h < 0 ? ay.dst + h + 1 : ay.dst, std::llabs(w), std::llabs(h),
                     *src, w < 0 ? sx + w + 1 : sx, h < 0 ? sy + h + 1 : sy))
        return true;
    const Brush* brush = rop.usesPattern() ? FindBrush(dst.brush) : nullptr;
    // An operation of pattern and destination alone has nothing to draw without a brush.
    if (rop.usesPattern() && !rop.usesSource() && (!brush || brush->style == BS_NULL)) return true;

    // Dropping pixels keeps the last column and the first row of each group the walk meets.
    bool combine = dst.stretchMode != COLORONCOLOR && dst.stretchMode != HALFTONE;
    std::vector<Box> boxes = ClipBoxes(dst);
    Box bounds = BoundsOf(boxes);
    const Surface& from = *src->surface;
    StretchClip clip;
    if (!ClipStretch(ax, ay, bounds, from.width, from.height, clip)) return true;
    thread_local AxisMap cols, rows;
    thread_local std::vector<uint32_t> sourceRow, patternRow;
    MapAxis(cols, ax, clip.dstX, clip.srcX, combine ? Shrink::Combine : Shrink::Last);
    MapAxis(rows, ay, clip.dstY, clip.srcY, combine ? Shrink::Combine : Shrink::First);
    if (cols.begin.empty() || rows.begin.empty()) return true;

    // Where source and destination share a surface and overlap, the blit must see the pixels as they were
    // before it: the rows go in an order that reads each before it is written, or else the rows read are
    // copied first.
    BlitSource source = *src;
    Surface copy;
    thread_local std::vector<size_t> order;
    order.clear();
    if (&from == dst.surface) {
        int64_t srcTop = *std::min_element(rows.begin.begin(), rows.begin.end());
        int64_t srcBottom = *std::max_element(rows.end.begin(), rows.end.end());
        int64_t srcLeft = *std::min_element(cols.begin.begin(), cols.begin.end());
        int64_t srcRight = *std::max_element(cols.end.begin(), cols.end.end());
        int64_t dstLeft = cols.first, dstRight = cols.first + int64_t(cols.begin.size());
        int64_t dstTop = rows.first, dstBottom = rows.first + int64_t(rows.begin.size());
        bool overlap = srcLeft < dstRight && dstLeft < srcRight && srcTop < dstBottom && dstTop < srcBottom;
        if (overlap && !InPlaceRowOrder(rows, from.height, order)) {
            order.clear();
            // Kept from blit to blit, and only the columns read are copied: an effect shrinks the whole
            // canvas onto itself twenty times in a row.
            thread_local PixelStorage copyPixels;
            size_t pixels = size_t(from.width) * size_t(srcBottom - srcTop);
            try {
                if (copyPixels.size() < pixels) copyPixels.resize(pixels);
            } catch (const std::bad_alloc&) {
                return false;
            }
            copy.width = from.width;
            copy.height = int(srcBottom - srcTop);
            copy.bitsPerPixel = from.bitsPerPixel;
            copy.top = copyPixels.data();
            copy.stride = from.width;
            for (int64_t row = srcTop; row < srcBottom; row++)
                std::memcpy(copy.row(int(row - srcTop)) + srcLeft, from.row(int(row)) + srcLeft,
                            size_t(srcRight - srcLeft) * 4);
            source.surface = &copy;
            for (int& r : rows.begin) r -= int(srcTop);
            for (int& r : rows.end) r -= int(srcTop);
        }
    }
    RowBlitter blitter(rop, cols, combine && dst.stretchMode == WHITEONBLACK, sourceRow, patternRow);
    if (order.empty())
        for (size_t j = 0; j < rows.begin.size(); j++) order.push_back(j);
    // A plain copy onto one clip box that holds the whole destination row is read straight into it.
    int64_t firstColumn = cols.first, lastColumn = cols.first + int64_t(cols.begin.size());
    bool direct = blitter.CopiesDirectly(source) && boxes.size() == 1 && boxes[0].left <= firstColumn &&
                  boxes[0].right >= lastColumn;
    // Enlarging, neighbouring rows often read the same source rows: read them once, into the buffer or
    // into a destination row that the next rows copy.
    int bufferBegin = -1, bufferEnd = -1, directBegin = -1, directEnd = -1, directRow = -1;
    for (size_t j : order) {
        if (rows.begin[j] == rows.end[j]) continue;
        int dy = int(rows.first + int64_t(j));
        bool any = false;
        for (const Box& b : boxes) any = any || (dy >= b.top && dy < b.bottom);
        if (!any) continue;
        uint32_t* out = dst.surface->row(dy);
        // A row that reads itself goes through the buffer, so that no pixel is read after it is written.
        bool readsItself = source.surface == dst.surface && rows.begin[j] <= dy && dy < rows.end[j];
        if (direct && !readsItself) {
            if (rows.begin[j] == directBegin && rows.end[j] == directEnd) {
                std::memcpy(out + firstColumn, dst.surface->row(directRow) + firstColumn,
                            size_t(lastColumn - firstColumn) * 4);
            } else {
                blitter.ReadInto(source, rows.begin[j], rows.end[j], out + firstColumn);
                directBegin = rows.begin[j];
                directEnd = rows.end[j];
            }
            directRow = dy;
            continue;
        }
        if (rop.usesSource() && (rows.begin[j] != bufferBegin || rows.end[j] != bufferEnd)) {
            blitter.ReadSource(source, rows.begin[j], rows.end[j]);
            bufferBegin = rows.begin[j];
            bufferEnd = rows.end[j];
        }
        if (brush) blitter.ReadPattern(dst, brush, dy);
        for (const Box& b : boxes) {
            if (dy < b.top || dy >= b.bottom) continue;
            int64_t l = std::max<int64_t>(b.left, cols.first), r = std::min<int64_t>(b.right, cols.first + int64_t(cols.begin.size()));
            if (l < r) blitter.Write(out, int(l), int(r));
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
    // An operation that does not read the source fills the whole destination, wherever the source lies.
    if (!s || !s->surface || !MakeRop3(rop).usesSource())
        return StretchToDc(*d, x, y, width, height, nullptr, 0, 0, 0, 0, rop);
    BlitSource source = SourceFromDc(*s, *d);
    // Onto a single pixel the reference takes one source pixel fewer.
    if (width == 1 && srcWidth > 1) srcWidth--;
    if (height == 1 && srcHeight > 1) srcHeight--;
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
    if (!d || !FindBrush(brush) || !rect) return 0;
    // The reference selects the brush for the call, then the previous one again. A previous brush deleted while
    // selected goes as this one comes in, so this one stays; a brush that cannot be selected leaves the DC's.
    HGDIOBJ previous = SelectObject(dc, brush);
    // As a pattern copy: a rectangle given right to left or bottom to top runs from its far edges.
    bool drawn = PatternBlt(*d, rect->left, rect->top, int64_t(rect->right) - rect->left,
                            int64_t(rect->bottom) - rect->top, FindBrush(d->brush), PATCOPY);
    if (previous) SelectObject(dc, previous);
    return drawn;
}
