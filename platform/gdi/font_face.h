// A face at one logical font's size: its metrics as Windows reports them, and its glyphs in one bit a
// pixel, as text is drawn without anti-aliasing. A face comes from a font file through FreeType, or from
// the built-in font when no font is installed.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/api/text.h"

namespace gdi {

struct FaceFile;

struct Glyph {
    int advance = 0;  // pixels from this character's pen position to the next one's
    // The ink's bounding box: columns from the pen position, rows above the baseline for its top.
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<uint8_t> ink;  // width × height, row by row; 1 where the text colour goes
};

// A horizontal bar of the font (underline, strike-out): rows from the baseline, down positive.
struct Bar {
    int offset = 0;
    int thickness = 1;
};

class FontFace {
public:
    virtual ~FontFace() = default;
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const TEXTMETRICA& metrics() const { return metrics_; }
    const Bar& underline() const { return underline_; }
    const Bar& strikeOut() const { return strikeOut_; }
    // The glyph of a character of the ANSI code page (Windows-1252).
    const Glyph& glyph(unsigned char c) {
        if (!glyphs_[c]) glyphs_[c] = Render(c);
        return *glyphs_[c];
    }
    int advance(unsigned char c) { return glyph(c).advance; }

protected:
    FontFace() = default;
    virtual Glyph Render(unsigned char c) const = 0;
    // A bar offset rows below the baseline, kept inside the cell so that an opaque background covers it.
    Bar BarInCell(int offset, int thickness) const;

    TEXTMETRICA metrics_{};
    Bar underline_, strikeOut_;

private:
    std::array<std::optional<Glyph>, 256> glyphs_;
};

// The face of a font file at the logical font's size; null when the file cannot be opened as a scalable face.
std::unique_ptr<FontFace> OpenFaceFile(const FaceFile& file, const LOGFONTA& log);

}  // namespace gdi
