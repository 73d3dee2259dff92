#include "font_builtin.h"

#include <algorithm>
#include <cmath>

#include "font_builtin_glyphs.h"

namespace gdi {

namespace {

// The same limits as a font file's: the largest height worth drawing, and the em a height of 0 asks for.
constexpr double kLargestHeight = 2000;
constexpr double kDefaultEmHeight = 13;
// A bold face's extra column would close the gaps between strokes where a design column is narrower.
constexpr double kSmallestBoldScale = 2.5;

long Round(double v) { return std::lround(v); }

// Each pixel of the design becomes a dot as large as the scale, rounded up, at its scaled place: strokes
// keep one thickness at any size and never break apart.
class BuiltInFace : public FontFace {
public:
    explicit BuiltInFace(const LOGFONTA& log);

private:
    Glyph Render(unsigned char c) const override;

    double scaleX_ = 1, scaleY_ = 1;
    int dotWidth_ = 1, dotHeight_ = 1;
    bool emboldened_ = false;  // bold asked for and large enough: every dot a pixel wider
};

BuiltInFace::BuiltInFace(const LOGFONTA& log) {
    double height = std::min(std::abs(double(log.lfHeight)), kLargestHeight);
    // A positive height is the cell, a negative one the em, as for a font file.
    scaleY_ = log.lfHeight > 0   ? height / (kBuiltInAscent + kBuiltInDescent)
              : log.lfHeight < 0 ? height / kBuiltInEm
                                 : kDefaultEmHeight / kBuiltInEm;
    double width = std::min(std::abs(double(log.lfWidth)), kLargestHeight);
    scaleX_ = log.lfWidth != 0 ? width / kBuiltInAdvance : scaleY_;
    dotWidth_ = std::max(1, int(std::ceil(scaleX_)));
    dotHeight_ = std::max(1, int(std::ceil(scaleY_)));
    emboldened_ = log.lfWeight >= FW_SEMIBOLD && scaleX_ >= kSmallestBoldScale;

    TEXTMETRICA& m = metrics_;
    m.tmAscent = Round(kBuiltInAscent * scaleY_);
    m.tmDescent = log.lfHeight > 0 ? LONG(height) - m.tmAscent : Round(kBuiltInDescent * scaleY_);
    m.tmHeight = m.tmAscent + m.tmDescent;
    m.tmInternalLeading = std::max(0L, long(m.tmHeight) - Round(kBuiltInEm * scaleY_));
    m.tmAveCharWidth = m.tmMaxCharWidth = Round(kBuiltInAdvance * scaleX_) + (emboldened_ ? 1 : 0);
    m.tmWeight = log.lfWeight >= FW_SEMIBOLD ? FW_BOLD : FW_NORMAL;
    m.tmDigitizedAspectX = 96;
    m.tmDigitizedAspectY = 96;
    m.tmFirstChar = ' ';
    m.tmLastChar = 0xFF;
    m.tmDefaultChar = 0x7F;
    m.tmBreakChar = ' ';
    m.tmItalic = log.lfItalic ? 1 : 0;
    m.tmUnderlined = log.lfUnderline ? 1 : 0;
    m.tmStruckOut = log.lfStrikeOut ? 1 : 0;
    // Every character as wide: fixed pitch, whose bit Windows names the other way round.
    m.tmPitchAndFamily = FF_MODERN | TMPF_VECTOR;
    m.tmCharSet = ANSI_CHARSET;
    // The underline in the row below the baseline, the strike-out through the middle of the small letters.
    underline_ = BarInCell(int(Round(scaleY_)), dotHeight_);
    strikeOut_ = BarInCell(int(-Round(3 * scaleY_)), dotHeight_);
}

Glyph BuiltInFace::Render(unsigned char c) const {
    const TEXTMETRICA& m = metrics_;
    Glyph g;
    int extra = emboldened_ ? 1 : 0;
    g.advance = int(Round(kBuiltInAdvance * scaleX_)) + extra;
    if (c == ' ') return g;
    // The whole cell, so that a dot's row is its place in the design; the ink stays inside the cell.
    g.top = m.tmAscent;
    g.height = m.tmHeight;
    g.width = int((kBuiltInColumns - 1) * scaleX_) + dotWidth_ + extra;
    g.ink.assign(size_t(g.width) * g.height, 0);
    const uint8_t* rows = BuiltInGlyphRows(c);
    for (int row = 0; row < kBuiltInRows; row++) {
        // The design's first row lies one row below the top of the cell.
        int top = int((row + 1) * scaleY_);
        int bottom = std::min(top + dotHeight_, g.height);
        for (int column = 0; column < kBuiltInColumns; column++) {
            if (!(rows[row] & (0x10 >> column))) continue;
            int left = int(column * scaleX_);
            for (int y = top; y < bottom; y++)
                std::fill_n(g.ink.begin() + ptrdiff_t(y) * g.width + left, dotWidth_ + extra, 1);
        }
    }
    return g;
}

}  // namespace

std::unique_ptr<FontFace> OpenBuiltInFace(const LOGFONTA& log) { return std::make_unique<BuiltInFace>(log); }

}  // namespace gdi
