#include "area.h"

#include <algorithm>

namespace gdi {

void Area::Sort() {
    if (sorted_) return;
    sorted_ = true;
    std::sort(spans_.begin(), spans_.end(),
              [](const RowSpan& a, const RowSpan& b) { return a.y != b.y ? a.y < b.y : a.left < b.left; });
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
