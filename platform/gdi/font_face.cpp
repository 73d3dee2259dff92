#include "font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

#include "font_match.h"

namespace gdi {

namespace {

// Beyond this many pixels a glyph's bitmap would take more memory than any screen shows.
constexpr double kLargestHeight = 2000;
// Lines this many pixels tall are what a height of 0 asks for.
constexpr double kDefaultEmHeight = 13;
// The slant given to an upright face drawn as italic, as x per y.
constexpr double kSlant = 0.2;

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return library;
}

// Windows-1252 for the bytes 0x80 to 0x9F; every other byte is the Unicode character of that number.
FT_ULong UnicodeOf(unsigned char c) {
    static const uint16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    return c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c;
}

long Round(double v) { return std::lround(v); }

// The vertical metrics Windows uses for a TrueType face, in font units.
struct FaceUnits {
    double ascent, descent, lineGap, average, maxAdvance, em;
    double underlinePosition, underlineThickness, strikePosition, strikeThickness;
    int weight, firstChar, lastChar, familyClass;
};

FaceUnits UnitsOf(FT_Face face) {
    FaceUnits u{};
    u.em = face->units_per_EM;
    u.ascent = face->ascender;
    u.descent = -face->descender;
    u.lineGap = 0;
    u.average = u.em / 2;
    u.maxAdvance = face->max_advance_width;
    u.underlinePosition = face->underline_position;
    u.underlineThickness = face->underline_thickness;
    u.strikePosition = u.em / 4;
    u.strikeThickness = face->underline_thickness;
    u.weight = FW_NORMAL;
    u.firstChar = 32;
    u.lastChar = 255;
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    auto* hhea = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        u.ascent = os2->usWinAscent;
        u.descent = os2->usWinDescent;
        if (os2->xAvgCharWidth > 0) u.average = os2->xAvgCharWidth;
        u.strikePosition = os2->yStrikeoutPosition;
        u.strikeThickness = os2->yStrikeoutSize;
        u.weight = os2->usWeightClass;
        u.firstChar = os2->usFirstCharIndex;
        u.lastChar = os2->usLastCharIndex;
        u.familyClass = os2->sFamilyClass >> 8;
        // Windows adds the part of the line gap that the Windows ascent and descent do not already cover.
        if (hhea) {
            double covered = u.ascent + u.descent - (hhea->Ascender - hhea->Descender);
            u.lineGap = std::max(0.0, hhea->Line_Gap - covered);
        }
    } else if (hhea) {
        u.lineGap = hhea->Line_Gap;
    }
    return u;
}

// The family bits of tmPitchAndFamily from the face's IBM class, else from what was asked for.
BYTE FamilyOf(const FaceUnits& u, FT_Face face, BYTE asked) {
    if (FT_IS_FIXED_WIDTH(face)) return FF_MODERN;
    switch (u.familyClass) {
        case 1: case 2: case 3: case 4: case 5: case 7: return FF_ROMAN;
        case 8: return FF_SWISS;
        case 10: return FF_SCRIPT;
        case 12: return FF_DECORATIVE;
        default: return BYTE(asked & 0xF0);
    }
}

// A face of a font file, rendered by FreeType.
class OutlineFace : public FontFace {
public:
    OutlineFace(FT_Face face, bool emboldened, bool slanted)
        : face_(face), emboldened_(emboldened), slanted_(slanted) {}
    ~OutlineFace() override { FT_Done_Face(face_); }
    void Measure(const LOGFONTA& log);

private:
    Glyph Render(unsigned char c) const override;

    FT_Face face_;
    bool emboldened_;  // bold asked for and the file is not: every glyph is struck twice, a pixel apart
    bool slanted_;     // italic asked for and the file is upright: outlines are sheared
};

}  // namespace

Bar FontFace::BarInCell(int offset, int thickness) const {
    Bar b;
    b.thickness = std::max(1, thickness);
    b.offset = std::clamp(offset, -int(metrics_.tmAscent), int(metrics_.tmDescent) - b.thickness);
    return b;
}

std::unique_ptr<FontFace> OpenFaceFile(const FaceFile& file, const LOGFONTA& log) {
    FT_Library library = Library();
    FT_Face face = nullptr;
    if (!library || FT_New_Face(library, file.path.c_str(), file.index, &face) != 0) return nullptr;
    if (!FT_IS_SCALABLE(face)) {
        FT_Done_Face(face);
        return nullptr;
    }
    bool bold = log.lfWeight >= FW_SEMIBOLD;
    auto result = std::make_unique<OutlineFace>(face, bold && !file.bold, log.lfItalic && !file.italic);
    result->Measure(log);
    return result;
}

void OutlineFace::Measure(const LOGFONTA& log) {
    FaceUnits u = UnitsOf(face_);
    double cell = u.ascent + u.descent;
    // A positive height is the cell (ascent + descent), a negative one the em; 0 asks for a default em.
    double height = std::min(std::abs(double(log.lfHeight)), kLargestHeight);
    double scaleY = log.lfHeight > 0 ? height / cell : log.lfHeight < 0 ? height / u.em : kDefaultEmHeight / u.em;
    double width = std::min(std::abs(double(log.lfWidth)), kLargestHeight);
    // A width is the average character width; the face is stretched or squeezed to give it.
    double scaleX = log.lfWidth != 0 ? width / u.average : scaleY;

    TEXTMETRICA& m = metrics_;
    m.tmAscent = Round(u.ascent * scaleY);
    m.tmDescent = log.lfHeight > 0 ? LONG(height) - m.tmAscent : Round(u.descent * scaleY);
    m.tmHeight = m.tmAscent + m.tmDescent;
    m.tmInternalLeading = std::max(0L, long(m.tmHeight) - Round(u.em * scaleY));
    m.tmExternalLeading = Round(u.lineGap * scaleY);
    int extra = emboldened_ ? 1 : 0;
    m.tmAveCharWidth = Round(u.average * scaleX) + extra;
    m.tmMaxCharWidth = Round(u.maxAdvance * scaleX) + extra;
    m.tmWeight = emboldened_ ? FW_BOLD : u.weight;
    m.tmOverhang = 0;
    m.tmDigitizedAspectX = 96;
    m.tmDigitizedAspectY = 96;
    m.tmFirstChar = BYTE(std::clamp(u.firstChar - 2, 0, 255));
    m.tmLastChar = BYTE(std::clamp(u.lastChar, 0, 255));
    m.tmDefaultChar = BYTE(std::min(m.tmFirstChar + 1, 255));
    m.tmBreakChar = ' ';
    m.tmItalic = log.lfItalic ? 1 : 0;
    m.tmUnderlined = log.lfUnderline ? 1 : 0;
    m.tmStruckOut = log.lfStrikeOut ? 1 : 0;
    bool variable = !FT_IS_FIXED_WIDTH(face_);
    m.tmPitchAndFamily = BYTE(FamilyOf(u, face_, log.lfPitchAndFamily) | TMPF_TRUETYPE | TMPF_VECTOR |
                              (variable ? TMPF_FIXED_PITCH : 0));
    m.tmCharSet = ANSI_CHARSET;

    auto bar = [&](double position, double thickness) {
        return BarInCell(int(-Round(position * scaleY)), int(Round(thickness * scaleY)));
    };
    underline_ = bar(u.underlinePosition, u.underlineThickness);
    strikeOut_ = bar(u.strikePosition, u.strikeThickness);

    FT_F26Dot6 ppemX = std::max(64L, Round(scaleX * u.em * 64));
    FT_F26Dot6 ppemY = std::max(64L, Round(scaleY * u.em * 64));
    FT_Set_Char_Size(face_, ppemX, ppemY, 72, 72);
}

Glyph OutlineFace::Render(unsigned char c) const {
    Glyph g;
    // Control characters have no glyph of their own in an ANSI font: they show the default one.
    FT_UInt index = c < 0x20 ? 0 : FT_Get_Char_Index(face_, UnicodeOf(c));
    if (FT_Load_Glyph(face_, index, FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP) != 0) return g;
    FT_GlyphSlot slot = face_->glyph;
    if (slanted_ && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_Matrix shear{0x10000, FT_Fixed(kSlant * 0x10000), 0, 0x10000};
        FT_Outline_Transform(&slot->outline, &shear);
    }
    g.advance = int((slot->advance.x + 32) >> 6) + (emboldened_ ? 1 : 0);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return g;
    const FT_Bitmap& bitmap = slot->bitmap;
    int extra = emboldened_ && bitmap.width > 0 ? 1 : 0;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = int(bitmap.width) + extra;
    g.height = int(bitmap.rows);
    g.ink.assign(size_t(g.width) * g.height, 0);
    for (int y = 0; y < g.height; y++) {
        const unsigned char* row = bitmap.buffer + ptrdiff_t(y) * bitmap.pitch;
        uint8_t* out = g.ink.data() + size_t(y) * g.width;
        for (int x = 0; x < int(bitmap.width); x++) {
            if (!(row[x >> 3] & (0x80 >> (x & 7)))) continue;
            out[x] = 1;
            if (extra) out[x + 1] = 1;
        }
    }
    return g;
}

}  // namespace gdi
