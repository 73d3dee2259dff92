// A face opened with FreeType at one logical font's size: its metrics as Windows reports them, and
// its glyphs rendered in one bit a pixel, as text is drawn without anti-aliasing.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/api/text.h"

typedef struct FT_FaceRec_* FT_Face;

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
    // Null when the file cannot be opened as a scalable face.
    static std::unique_ptr<FontFace> Open(const FaceFile& file, const LOGFONTA& log);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    const TEXTMETRICA& metrics() const { return metrics_; }
    const Bar& underline() const { return underline_; }
    const Bar& strikeOut() const { return strikeOut_; }
    // The glyph of a character of the ANSI code page (Windows-1252).
    const Glyph& glyph(unsigned char c);
    int advance(unsigned char c) { return glyph(c).advance; }

private:
    FontFace(FT_Face face, bool emboldened, bool slanted);
    void Measure(const LOGFONTA& log);
    Glyph Render(unsigned char c) const;

    FT_Face face_;
    bool emboldened_;  // bold asked for and the file is not: every glyph is struck twice, a pixel apart
    bool slanted_;     // italic asked for and the file is upright: outlines are sheared
    TEXTMETRICA metrics_{};
    Bar underline_, strikeOut_;
    std::array<std::optional<Glyph>, 256> glyphs_;
};

}  // namespace gdi
