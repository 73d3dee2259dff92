// TextOutA, DrawTextA and the text measuring calls.
#include <algorithm>
#include <cstring>

#include "font.h"
#include "font_face.h"
#include "text_draw.h"
#include "text_layout.h"

using namespace gdi;

namespace {

// The face of the DC's selected font; null for a bad DC or font.
FontFace* SelectedFace(HDC dc, DeviceContext** d) {
    *d = FindDc(dc);
    if (!*d) return nullptr;
    Font* font = FindFont((*d)->font);
    return font ? FaceOf(*font) : nullptr;
}

// The whole surface: clipped by the DC alone.
const Box kNoLimit{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};

}  // namespace

BOOL WINAPI GetTextMetricsA(HDC dc, LPTEXTMETRICA metrics) {
    DeviceContext* d;
    FontFace* face = SelectedFace(dc, &d);
    if (!face || !metrics) return FALSE;
    *metrics = face->metrics();
    return TRUE;
}

BOOL WINAPI GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, LPSIZE size) {
    DeviceContext* d;
    FontFace* face = SelectedFace(dc, &d);
    if (!face || !size || count < 0 || (!text && count > 0)) return FALSE;
    size->cx = LONG(RunWidth(*face, {text, size_t(count)}));
    size->cy = face->metrics().tmHeight;
    return TRUE;
}

BOOL WINAPI TextOutA(HDC dc, int x, int y, LPCSTR text, int count) {
    DeviceContext* d;
    FontFace* face = SelectedFace(dc, &d);
    if (!face || count < 0 || (!text && count > 0)) return FALSE;
    DrawRun(*d, *face, int64_t(x) + d->origin.x, int64_t(y) + d->origin.y, {text, size_t(count)}, {}, kNoLimit);
    return TRUE;
}

int WINAPI DrawTextA(HDC dc, LPCSTR text, int count, LPRECT rect, UINT format) {
    DeviceContext* d;
    FontFace* face = SelectedFace(dc, &d);
    if (!face || !text || !rect) return 0;
    size_t length = count < 0 ? std::strlen(text) : size_t(count);
    std::string_view given(text, length);
    ShownText shown = (format & DT_NOPREFIX) ? ShownText{std::string(given), {}} : StripPrefixes(given);
    const int lineHeight = face->metrics().tmHeight;
    if (shown.chars.empty()) {
        // Nothing to draw is still a line's height, yet only a single line's rectangle gets that height.
        if (format & DT_CALCRECT) {
            rect->right = rect->left;
            rect->bottom = rect->top + ((format & DT_SINGLELINE) ? lineHeight : 0);
        }
        return lineHeight;
    }
    std::vector<int> advances(shown.chars.size());
    for (size_t i = 0; i < advances.size(); i++)
        advances[i] = face->advance(static_cast<unsigned char>(shown.chars[i]));
    std::vector<TextLine> lines = BreakLines(shown.chars, advances, long(rect->right) - rect->left, format);
    int height = int(lines.size()) * lineHeight;
    if (format & DT_CALCRECT) {
        long widest = 0;
        for (const TextLine& line : lines) {
            long width = 0;
            for (size_t i = line.begin; i < line.end; i++) width += advances[i];
            widest = std::max(widest, width);
        }
        rect->right = LONG(rect->left + widest);
        rect->bottom = rect->top + height;
        return height;
    }
    int64_t left = int64_t(rect->left) + d->origin.x, top = int64_t(rect->top) + d->origin.y;
    Box limit = kNoLimit;
    if (!(format & DT_NOCLIP)) {
        auto clamp = [](int64_t v) { return int(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
        limit = {clamp(left), clamp(top), clamp(int64_t(rect->right) + d->origin.x),
                 clamp(int64_t(rect->bottom) + d->origin.y)};
    }
    int64_t y = top;
    for (const TextLine& line : lines) {
        std::vector<size_t> underlined;
        for (size_t u : shown.underlined)
            if (u >= line.begin && u < line.end) underlined.push_back(u - line.begin);
        std::string_view chars(shown.chars.data() + line.begin, line.end - line.begin);
        DrawRun(*d, *face, left, y, chars, underlined, limit);
        y += lineHeight;
    }
    return height;
}
