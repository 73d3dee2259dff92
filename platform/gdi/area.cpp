#include "area.h"

#include <algorithm>

namespace gdi {

// By row first, counting the spans of each (a wide outline has thousands of spans over a few hundred
// rows), then each row's few spans by their left ends.
void Area::SortByRow(int top, int64_t rows) {
    thread_local std::vector<size_t> rowStart;
    thread_local std::vector<RowSpan> byRow;
    rowStart.assign(size_t(rows) + 1, 0);
    for (const RowSpan& s : spans_) rowStart[size_t(s.y - top) + 1]++;
    for (size_t r = 1; r < rowStart.size(); r++) rowStart[r] += rowStart[r - 1];
    byRow.resize(spans_.size());
    for (const RowSpan& s : spans_) byRow[rowStart[size_t(s.y - top)]++] = s;
    spans_.swap(byRow);
    for (size_t begin = 0; begin < spans_.size();) {
        size_t end = begin + 1;
        while (end < spans_.size() && spans_[end].y == spans_[begin].y) end++;
        if (end - begin > 32) {
            std::sort(spans_.begin() + ptrdiff_t(begin), spans_.begin() + ptrdiff_t(end),
                      [](const RowSpan& a, const RowSpan& b) { return a.left < b.left; });
            begin = end;
            continue;
        }
        // Most rows hold a few spans: sorted by insertion.
        for (size_t i = begin + 1; i < end; i++) {
            RowSpan s = spans_[i];
            size_t k = i;
            for (; k > begin && spans_[k - 1].left > s.left; k--) spans_[k] = spans_[k - 1];
            spans_[k] = s;
        }
        begin = end;
    }
}

void Area::Sort() {
    if (sorted_) return;
    sorted_ = true;
    if (spans_.empty()) return;
    auto [low, high] = std::minmax_element(spans_.begin(), spans_.end(),
                                           [](const RowSpan& a, const RowSpan& b) { return a.y < b.y; });
    int top = low->y;
    int64_t rows = int64_t(high->y) - top + 1;
    if (rows > int64_t(spans_.size()) * 4 + 4096) {
        // Few spans over a vast height: a plain sort.
        std::sort(spans_.begin(), spans_.end(),
                  [](const RowSpan& a, const RowSpan& b) { return a.y != b.y ? a.y < b.y : a.left < b.left; });
    } else {
        SortByRow(top, rows);
    }
    size_t kept = 0;
    for (size_t i = 0; i < spans_.size(); i++) {
        RowSpan s = spans_[i];
        if (kept > 0 && spans_[kept - 1].y == s.y && s.left <= spans_[kept - 1].right)
            spans_[kept - 1].right = std::max(spans_[kept - 1].right, s.right);
        else
            spans_[kept++] = s;
    }
    spans_.resize(kept);
}

void Area::AddMoved(Area& shape, int64_t dx, int64_t dy, const Box& bounds) {
    shape.Sort();
    int64_t low = int64_t(bounds.left) - 1, high = int64_t(bounds.right) + 1;
    for (const RowSpan& s : shape.spans_) {
        int64_t y = s.y + dy;
        if (y < bounds.top || y >= bounds.bottom) continue;
        Add(int(y), int(std::clamp<int64_t>(s.left + dx, low, high)), int(std::clamp<int64_t>(s.right + dx, low, high)));
    }
}

void Area::Subtract(Area& other) {
    Sort();
    other.Sort();
    std::vector<RowSpan> kept;
    kept.reserve(spans_.size());
    size_t j = 0;
    const std::vector<RowSpan>& cut = other.spans_;
    for (RowSpan s : spans_) {
        // Both lists run in (row, left) order, so the cuts of this span start at or after j.
        while (j < cut.size() && (cut[j].y < s.y || (cut[j].y == s.y && cut[j].right <= s.left))) j++;
        for (size_t k = j; k < cut.size() && cut[k].y == s.y && cut[k].left < s.right; k++) {
            if (cut[k].left > s.left) kept.push_back({s.y, s.left, cut[k].left});
            s.left = std::max(s.left, cut[k].right);
            if (s.left >= s.right) break;
        }
        if (s.left < s.right) kept.push_back(s);
    }
    spans_.swap(kept);
}

void Area::Paint(Painter& painter, const Ink& ink) {
    Sort();
    for (const RowSpan& s : spans_) painter.Span(s.y, s.left, s.right, ink);
}

}  // namespace gdi
