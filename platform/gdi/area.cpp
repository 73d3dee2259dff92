#include "area.h"

#include <algorithm>

namespace gdi {

void Area::Add(int y, int left, int right) {
    if (left >= right) return;
    std::vector<Span>& spans = rows_[y];
    std::vector<Span> merged;
    merged.reserve(spans.size() + 1);
    Span add{left, right};
    bool placed = false;
    for (const Span& s : spans) {
        if (s.right < add.left) {
            merged.push_back(s);
        } else if (add.right < s.left) {
            if (!placed) merged.push_back(add), placed = true;
            merged.push_back(s);
        } else {
            add.left = std::min(add.left, s.left);
            add.right = std::max(add.right, s.right);
        }
    }
    if (!placed) merged.push_back(add);
    spans.swap(merged);
}

void Area::Add(const Area& other) {
    for (const auto& [y, spans] : other.rows_)
        for (const Span& s : spans) Add(y, s.left, s.right);
}

void Area::Subtract(const Area& other) {
    for (const auto& [y, cut] : other.rows_) {
        auto it = rows_.find(y);
        if (it == rows_.end()) continue;
        std::vector<Span> kept;
        for (Span s : it->second) {
            for (const Span& c : cut) {
                if (c.right <= s.left || c.left >= s.right) continue;
                if (c.left > s.left) kept.push_back({s.left, c.left});
                s.left = std::max(s.left, c.right);
                if (s.left >= s.right) break;
            }
            if (s.left < s.right) kept.push_back(s);
        }
        if (kept.empty())
            rows_.erase(it);
        else
            it->second.swap(kept);
    }
}

bool Area::Contains(int x, int y) const {
    auto it = rows_.find(y);
    if (it == rows_.end()) return false;
    for (const Span& s : it->second)
        if (x >= s.left && x < s.right) return true;
    return false;
}

void Area::Paint(Painter& painter, const Ink& ink) const {
    for (const auto& [y, spans] : rows_)
        for (const Span& s : spans) painter.Span(y, s.left, s.right, ink);
}

}  // namespace gdi
