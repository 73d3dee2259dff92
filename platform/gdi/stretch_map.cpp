#include "stretch_map.h"

#include <algorithm>

namespace gdi {

namespace {

// floor((i * num + c) / den) for i = first, first + 1, ...: a division to start, then additions.
class FloorStepper {
public:
    FloorStepper(int64_t first, int64_t num, int64_t c, int64_t den)
        : den_(den), stepQ_(num / den), stepR_(num % den) {
        __int128 n = __int128(first) * num + c;
        q_ = int64_t(n / den);
        r_ = int64_t(n % den);
        if (r_ < 0) q_--, r_ += den;
    }
    int64_t value() const { return q_; }
    void Next() {
        q_ += stepQ_;
        r_ += stepR_;
        if (r_ >= den_) q_++, r_ -= den_;
    }

private:
    int64_t den_, stepQ_, stepR_, q_, r_;
};

// The pixels a start and a signed extent cover; a negative extent runs back from the start, which it includes.
Span Covered(int64_t start, int64_t extent) {
    return extent < 0 ? Span{start + extent + 1, start + 1} : Span{start, start + extent};
}

Span Intersect(Span a, Span b) { return {std::max(a.low, b.low), std::min(a.high, b.high)}; }

Span Ordered(int64_t a, int64_t b) { return a <= b ? Span{a, b} : Span{b, a}; }

// A stretching axis: the source that exists, scaled onto the destination with the truncating divisions of
// the reference and a pixel to spare each side, then the destination that remains scaled back.
bool ClipStretchedAxis(StretchAxis& a, Span& dst, Span& src) {
    int64_t back = a.srcExtent < 0 ? 1 : 0;
    Span onto = Ordered((src.low - a.src - back) * a.dstExtent / a.srcExtent,
                        (src.high - a.src - back) * a.dstExtent / a.srcExtent);
    // A mirrored source cut at its surface still ends at the far end of the destination.
    if (a.srcExtent < 0 && a.dstExtent > 0 && (a.src + a.srcExtent + 1 < src.low || a.src > src.high))
        a.dst += (a.dstExtent - onto.high) - onto.low;
    else if (a.srcExtent > 0 && a.dstExtent < 0 && (a.src < src.low || a.src + a.srcExtent > src.high))
        a.dst -= onto.high - (a.dstExtent - onto.low);
    dst = Intersect(dst, {a.dst + onto.low - 1, a.dst + onto.high + 1});
    if (dst.empty()) return false;
    int64_t dstBack = a.dstExtent < 0 ? 1 : 0;
    Span from = Ordered(a.src + (dst.low - a.dst - dstBack) * a.srcExtent / a.dstExtent,
                        a.src + (dst.high - a.dst - dstBack) * a.srcExtent / a.dstExtent);
    src = Intersect(src, {from.low - 1, from.high + 1});
    return !src.empty();
}

// An unstretched axis: the source that exists moved onto the destination, and back.
bool ClipCopiedAxis(const StretchAxis& a, Span& dst, Span& src) {
    int64_t shift = a.dst - a.src;
    dst = Intersect(dst, {src.low + shift, src.high + shift});
    src = {dst.low - shift, dst.high - shift};
    return !dst.empty();
}

}  // namespace

bool ClipStretch(StretchAxis& x, StretchAxis& y, const Box& dstBounds, int64_t srcWidth, int64_t srcHeight,
                 StretchClip& clip) {
    clip.dstX = Intersect(Covered(x.dst, x.dstExtent), {dstBounds.left, dstBounds.right});
    clip.dstY = Intersect(Covered(y.dst, y.dstExtent), {dstBounds.top, dstBounds.bottom});
    clip.srcX = Intersect(Covered(x.src, x.srcExtent), {0, srcWidth});
    clip.srcY = Intersect(Covered(y.src, y.srcExtent), {0, srcHeight});
    if (clip.dstX.empty() || clip.dstY.empty() || clip.srcX.empty() || clip.srcY.empty()) return false;
    // Only a copy the same size with the same signs on both axes goes unstretched.
    if (x.dstExtent == x.srcExtent && y.dstExtent == y.srcExtent)
        return ClipCopiedAxis(x, clip.dstX, clip.srcX) && ClipCopiedAxis(y, clip.dstY, clip.srcY);
    return ClipStretchedAxis(x, clip.dstX, clip.srcX) && ClipStretchedAxis(y, clip.dstY, clip.srcY);
}

void MapAxis(AxisMap& map, const StretchAxis& axis, Span dst, Span src, Shrink shrink) {
    map.begin.clear();
    map.end.clear();
    map.first = dst.low;
    if (dst.empty()) return;
    size_t count = size_t(dst.high - dst.low);
    map.begin.resize(count);
    map.end.resize(count);
    int64_t dstLength = std::llabs(axis.dstExtent), srcLength = std::llabs(axis.srcExtent);
    bool forward = axis.dstExtent > 0, srcForward = axis.srcExtent > 0;
    // Step i of the walk is at destination dst + i (forward) or dst - i; the visible ones, in increasing i.
    int64_t iFirst = forward ? dst.low - axis.dst : axis.dst - (dst.high - 1);
    // The steps whose source pixel src ± k exists.
    int64_t kLow = srcForward ? src.low - axis.src : axis.src - src.high + 1;
    int64_t kHigh = srcForward ? src.high - axis.src : axis.src - src.low + 1;
    // Shrinking, source step k falls on destination step (k * dstLength + (dstLength - 1) / 2) / srcLength, so
    // the first source step on destination step i is (i * srcLength - (dstLength - 1) / 2 + dstLength - 1) /
    // dstLength. Enlarging, the other way round: step i shows (i * srcLength + (srcLength - 1) / 2) / dstLength.
    bool shrinking = srcLength > dstLength;
    int64_t c = shrinking ? dstLength - 1 - (dstLength - 1) / 2 : (srcLength - 1) / 2;
    FloorStepper step(iFirst, srcLength, c, dstLength);
    for (size_t n = 0; n < count; n++) {
        int64_t a = step.value(), b = a + 1;
        step.Next();
        if (shrinking) b = step.value();
        // A destination start moved for a mirrored source can put visible pixels before or past the walk.
        int64_t i = iFirst + int64_t(n);
        if (i < 0 || i >= dstLength) b = a;
        a = std::max(a, kLow);
        b = std::min(b, kHigh);
        if (a < b && shrinking && shrink == Shrink::First) b = a + 1;
        if (a < b && shrinking && shrink == Shrink::Last) a = b - 1;
        int64_t from = src.low, to = src.low;
        if (a < b) {
            from = srcForward ? axis.src + a : axis.src - b + 1;
            to = srcForward ? axis.src + b : axis.src - a + 1;
        }
        size_t entry = forward ? n : count - 1 - n;
        map.begin[entry] = int(from);
        map.end[entry] = int(to);
    }
}

}  // namespace gdi
