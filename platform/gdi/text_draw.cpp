#include "text_draw.h"

#include <algorithm>

#include "colour.h"
#include "font_face.h"
#include "paint.h"

namespace gdi {

namespace {

// A painter held to a box inside the DC's clip, taking coordinates of any size.
class LimitedPainter {
public:
    LimitedPainter(const DeviceContext& dc, const Box& limit)
        : painter_(dc), box_(Intersect(painter_.bounds(), limit)) {}
    bool empty() const { return box_.empty(); }
    void Span(int64_t y, int64_t x0, int64_t x1, const Ink& ink) {
        if (y < box_.top || y >= box_.bottom) return;
        x0 = std::max<int64_t>(x0, box_.left);
        x1 = std::min<int64_t>(x1, box_.right);
        if (x0 < x1) painter_.Span(int(y), int(x0), int(x1), ink);
    }
    void Fill(int64_t left, int64_t top, int64_t right, int64_t bottom, const Ink& ink) {
        for (int64_t y = std::max<int64_t>(top, box_.top); y < std::min<int64_t>(bottom, box_.bottom); y++)
            Span(y, left, right, ink);
    }

private:
    Painter painter_;
    Box box_;
};

Ink SolidInk(const DeviceContext& dc, COLORREF colour) {
    Ink ink;
    ink.type = Ink::Solid;
    // Text ignores the DC's binary raster operation.
    ink.fore = MakeRop2(R2_COPYPEN, PenPixel(dc, colour));
    return ink;
}

void DrawGlyph(LimitedPainter& painter, const Glyph& g, int64_t penX, int64_t baseline, const Ink& ink) {
    for (int row = 0; row < g.height; row++) {
        const uint8_t* bits = g.ink.data() + size_t(row) * g.width;
        int64_t y = baseline - g.top + row;
        for (int x = 0; x < g.width;) {
            if (!bits[x]) {
                x++;
                continue;
            }
            int start = x;
            while (x < g.width && bits[x]) x++;
            painter.Span(y, penX + g.left + start, penX + g.left + x, ink);
        }
    }
}

}  // namespace

long RunWidth(FontFace& face, std::string_view chars) {
    long width = 0;
    for (char c : chars) width += face.advance(static_cast<unsigned char>(c));
    return width;
}

void DrawRun(const DeviceContext& dc, FontFace& face, int64_t x, int64_t y, std::string_view chars,
             const std::vector<size_t>& underlined, const Box& limit) {
    LimitedPainter painter(dc, limit);
    if (painter.empty()) return;
    const TEXTMETRICA& m = face.metrics();
    long width = RunWidth(face, chars);
    if (dc.bkMode == OPAQUE) painter.Fill(x, y, x + width, y + m.tmHeight, SolidInk(dc, dc.bkColour));
    Ink ink = SolidInk(dc, dc.textColour);
    int64_t baseline = y + m.tmAscent;
    auto bar = [&](const Bar& b, int64_t left, int64_t right) {
        painter.Fill(left, baseline + b.offset, right, baseline + b.offset + b.thickness, ink);
    };
    int64_t pen = x;
    size_t next = 0;
    for (size_t i = 0; i < chars.size(); i++) {
        const Glyph& g = face.glyph(static_cast<unsigned char>(chars[i]));
        DrawGlyph(painter, g, pen, baseline, ink);
        while (next < underlined.size() && underlined[next] < i) next++;
        if (next < underlined.size() && underlined[next] == i) bar(face.underline(), pen, pen + g.advance);
        pen += g.advance;
    }
    if (m.tmUnderlined) bar(face.underline(), x, pen);
    if (m.tmStruckOut) bar(face.strikeOut(), x, pen);
}

}  // namespace gdi
