// Fonts and text: Windows' height rules, DrawTextA's line breaking and returned height, background
// modes, clipping, one-bit glyphs, face fallback, and bad handles.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/win32.h"
#include "surfaces.h"

namespace {

const COLORREF kInk = RGB(200, 30, 90);
const UINT kWrap = DT_NOPREFIX | DT_WORDBREAK;

// A memory DC on its own bitmap, filled with one colour, with a font of its own selected.
class Canvas {
public:
    Canvas(int width, int height, HFONT font, COLORREF fill = kWhite)
        : width_(width), height_(height), font_(font), memory_(width, height) {
        oldFont_ = SelectObject(dc_, font);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
        SetTextColor(dc_, kInk);
        SetBkMode(dc_, TRANSPARENT);
    }
    ~Canvas() {
        SelectObject(dc_, oldFont_);
        DeleteObject(font_);
    }

    HDC dc() const { return dc_; }
    std::vector<COLORREF> Pixels() const {
        std::vector<COLORREF> p;
        for (int y = 0; y < height_; y++)
            for (int x = 0; x < width_; x++) p.push_back(GetPixel(dc_, x, y));
        return p;
    }
    int Count(COLORREF colour) const {
        int n = 0;
        for (COLORREF c : Pixels()) n += c == colour;
        return n;
    }
    // The smallest box holding every pixel of the colour; empty when there is none.
    RECT Bounds(COLORREF colour) const {
        RECT r{width_, height_, 0, 0};
        for (int y = 0; y < height_; y++)
            for (int x = 0; x < width_; x++)
                if (GetPixel(dc_, x, y) == colour) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x + 1);
                    r.bottom = std::max<LONG>(r.bottom, y + 1);
                }
        return r;
    }
    SIZE Extent(const std::string& text) const {
        SIZE s{};
        GetTextExtentPoint32A(dc_, text.c_str(), int(text.size()), &s);
        return s;
    }
    TEXTMETRICA Metrics() const {
        TEXTMETRICA m{};
        GetTextMetricsA(dc_, &m);
        return m;
    }

private:
    int width_, height_;
    HFONT font_;
    MemoryDc memory_;
    HDC dc_ = memory_.dc;
    HGDIOBJ oldFont_;
};

HFONT Font(int height, const char* face = "Times New Roman", int weight = FW_NORMAL, int width = 0,
           DWORD family = VARIABLE_PITCH | FF_ROMAN) {
    return CreateFontA(height, width, 0, 0, weight, 0, 0, 0, ANSI_CHARSET, 0, 0, PROOF_QUALITY, family, face);
}

// The text tool's font: height 26, width 10, bold, variable-pitch roman, Times New Roman.
HFONT TextToolFont() { return Font(26, "Times New Roman", FW_BOLD, 10, 0x12); }

TEST(TextFonts, PositiveHeightIsTheCellNegativeIsTheCharacter) {
    for (int height : {8, 13, 16, 20, 23, 26, 34, 48, 72}) {
        Canvas cell(4, 4, Font(height));
        TEXTMETRICA m = cell.Metrics();
        EXPECT_EQ(m.tmHeight, height);
        EXPECT_EQ(m.tmAscent + m.tmDescent, height);
        EXPECT_EQ(cell.Extent("x").cy, height);

        Canvas character(4, 4, Font(-height));
        TEXTMETRICA c = character.Metrics();
        EXPECT_EQ(c.tmHeight - c.tmInternalLeading, height) << height;
        EXPECT_GT(c.tmHeight, height) << "Times has accents above its em";
    }
    Canvas byDefault(4, 4, Font(0));
    EXPECT_GT(byDefault.Metrics().tmHeight, 8);
    EXPECT_LT(byDefault.Metrics().tmHeight, 20);
}

TEST(TextFonts, WidthIsTheAverageCharacterWidthAndWeightBoldens) {
    Canvas natural(4, 4, Font(26, "Times New Roman", FW_BOLD));
    Canvas narrow(4, 4, TextToolFont());
    EXPECT_EQ(narrow.Metrics().tmAveCharWidth, 10);
    EXPECT_EQ(narrow.Metrics().tmHeight, 26);
    EXPECT_GT(natural.Metrics().tmAveCharWidth, 10);
    const std::string text = "The quick brown fox";
    EXPECT_LT(narrow.Extent(text).cx, natural.Extent(text).cx);

    Canvas regular(4, 4, Font(26));
    EXPECT_EQ(regular.Metrics().tmWeight, FW_NORMAL);
    EXPECT_EQ(natural.Metrics().tmWeight, FW_BOLD);
    EXPECT_GT(natural.Extent(text).cx, regular.Extent(text).cx);

    // A face with no bold file of its own is emboldened: wider, and heavier on the page.
    Canvas plain(120, 40, Font(24, "DejaVu Sans Mono", FW_NORMAL, 0, FF_MODERN));
    Canvas struck(120, 40, Font(24, "DejaVu Sans Mono", FW_HEAVY, 0, FF_MODERN));
    TextOutA(plain.dc(), 2, 2, "Hello", 5);
    TextOutA(struck.dc(), 2, 2, "Hello", 5);
    EXPECT_GT(struck.Count(kInk), plain.Count(kInk));
}

TEST(TextFonts, AMissingFaceFallsBackToTheFamilysKind) {
    auto picture = [](HFONT font) {
        Canvas c(160, 40, font);
        EXPECT_TRUE(TextOutA(c.dc(), 2, 2, "Fallback", 8));
        return c.Pixels();
    };
    std::vector<COLORREF> missingRoman = picture(Font(24, "No Such Face Anywhere"));
    std::vector<COLORREF> missingSwiss = picture(Font(24, "No Such Face Anywhere", FW_NORMAL, 0, FF_SWISS));
    EXPECT_EQ(missingRoman, picture(Font(24, "serif")));
    EXPECT_EQ(missingSwiss, picture(Font(24, "sans-serif")));
    EXPECT_NE(missingRoman, missingSwiss);
    // Times New Roman is not installed, yet its metric twin draws it, not a generic serif.
    EXPECT_EQ(picture(Font(24)), picture(Font(24, "Liberation Serif")));
    EXPECT_EQ(picture(Font(24, "times new roman")), picture(Font(24)));
}

TEST(TextOut, PaintsOnlyTheTextColourWithNoGrey) {
    for (HFONT font : {TextToolFont(), Font(-11), Font(40, "Times New Roman", FW_NORMAL)}) {
        Canvas c(300, 60, font, kBlue);
        ASSERT_TRUE(TextOutA(c.dc(), 3, 3, "Sphinx of black quartz, judge my vow", 36));
        int ink = c.Count(kInk), blue = c.Count(kBlue);
        EXPECT_GT(ink, 100);
        EXPECT_EQ(ink + blue, 300 * 60) << "every pixel is either the text colour or untouched";
    }
}

TEST(TextOut, OpaqueFillsTheCellAndTransparentLeavesIt) {
    const std::string text = "Hi there";
    Canvas opaque(200, 60, Font(20), kBlue);
    SetBkMode(opaque.dc(), OPAQUE);
    SetBkColor(opaque.dc(), kGreen);
    ASSERT_TRUE(TextOutA(opaque.dc(), 10, 12, text.c_str(), int(text.size())));
    SIZE size = opaque.Extent(text);
    // The cell box is the background colour and the text colour, everything else is untouched.
    RECT cell{10, 12, 10 + size.cx, 12 + size.cy};
    for (int y = 0; y < 60; y++)
        for (int x = 0; x < 200; x++) {
            COLORREF p = GetPixel(opaque.dc(), x, y);
            bool inside = x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom;
            if (inside)
                ASSERT_TRUE(p == kGreen || p == kInk) << x << "," << y;
            else
                ASSERT_EQ(p, kBlue) << x << "," << y;
        }
    EXPECT_EQ(Sides(opaque.Bounds(kGreen)), Sides(cell));

    Canvas transparent(200, 60, Font(20), kBlue);
    SetBkColor(transparent.dc(), kGreen);
    ASSERT_TRUE(TextOutA(transparent.dc(), 10, 12, text.c_str(), int(text.size())));
    EXPECT_EQ(transparent.Count(kGreen), 0);
    EXPECT_EQ(transparent.Count(kInk), opaque.Count(kInk));
    ExpectInside(transparent.Bounds(kInk), cell);
}

TEST(TextOut, GoesThroughTheOriginAndClipOfAWindowDc) {
    gdi::ResizeScreen(120, 60);
    HDC whole = GetDC(nullptr);
    PatBlt(whole, 0, 0, 120, 60, WHITENESS);
    // Logical (0, 0) is screen (20, 10); only screen x 20..70, y 10..30 may be drawn.
    HDC dc = gdi::CreateScreenDc({20, 10}, {gdi::Box{20, 10, 70, 30}});
    HFONT font = Font(30);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, kInk);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, kGreen);
    ASSERT_TRUE(TextOutA(dc, 0, 0, "Wonderful", 9));
    int inside = 0;
    for (int y = 0; y < 60; y++)
        for (int x = 0; x < 120; x++) {
            COLORREF p = GetPixel(whole, x, y);
            bool inClip = x >= 20 && x < 70 && y >= 10 && y < 30;
            if (!inClip) {
                ASSERT_EQ(p, kWhite) << x << "," << y;
            } else {
                ASSERT_NE(p, kWhite) << "the opaque cell covers the whole clip";
                inside += p == kInk;
            }
        }
    EXPECT_GT(inside, 50);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    ReleaseDC(nullptr, whole);
}

// Where two canvases of one size first differ, or "" when they are alike.
std::string FirstDifference(const Canvas& a, const Canvas& b) {
    std::vector<COLORREF> pa = a.Pixels(), pb = b.Pixels();
    for (size_t i = 0; i < pa.size(); i++)
        if (pa[i] != pb[i]) return "pixel " + std::to_string(i % 400) + "," + std::to_string(i / 400);
    return "";
}

// What DrawTextA draws must be what TextOutA draws for each expected line, one line height apart.
void ExpectLines(HFONT font, HFONT sameFont, const std::string& text, int width, UINT format,
                 const std::vector<std::string>& lines) {
    Canvas drawn(400, 200, font), expected(400, 200, sameFont);
    RECT r{5, 4, 5 + width, 200};
    int height = expected.Metrics().tmHeight;
    EXPECT_EQ(DrawTextA(drawn.dc(), text.c_str(), -1, &r, format | DT_NOCLIP), height * int(lines.size()));
    for (size_t i = 0; i < lines.size(); i++)
        TextOutA(expected.dc(), 5, 4 + int(i) * height, lines[i].c_str(), int(lines[i].size()));
    EXPECT_GT(drawn.Count(kInk), 0);
    EXPECT_EQ(FirstDifference(drawn, expected), "") << '"' << text << "\" in " << width;
}

TEST(DrawText, BreaksLinesAtTheLastSpaceThatFits) {
    Canvas probe(4, 4, Font(20));
    int twoWords = probe.Extent("aaaa bbbb").cx;
    // "aaaa bbbb" fits, the next word does not: the line keeps its trailing space, the word moves down.
    ExpectLines(Font(20), Font(20), "aaaa bbbb cccc dd", twoWords + 2, kWrap, {"aaaa bbbb ", "cccc dd"});
    // A line that fits exactly stays whole.
    ExpectLines(Font(20), Font(20), "aaaa bbbb", twoWords, kWrap, {"aaaa bbbb"});
    ExpectLines(Font(20), Font(20), "aaaa bbbb", twoWords - 1, kWrap, {"aaaa ", "bbbb"});
    // A space that does not fit is dropped rather than starting the next line; only that one space.
    int word = probe.Extent("aaaa").cx, spaced = probe.Extent("aaaa ").cx;
    ExpectLines(Font(20), Font(20), "aaaa  bbbb", spaced + 1, kWrap, {"aaaa ", "bbbb"});
    ExpectLines(Font(20), Font(20), "aaaa  bbbb", word + 1, kWrap, {"aaaa", " ", "bbbb"});
    // Without DT_WORDBREAK the text is one line however long.
    ExpectLines(Font(20), Font(20), "aaaa bbbb cccc", word, DT_NOPREFIX, {"aaaa bbbb cccc"});
    // The text tool's case: its own font, typed words and the caret.
    Canvas tool(4, 4, TextToolFont());
    int half = tool.Extent("Once upon a time ").cx;
    ExpectLines(TextToolFont(), TextToolFont(), "Once upon a time there was|", half + 5, kWrap,
                {"Once upon a time ", "there was|"});
}

TEST(DrawText, AWordLongerThanTheLineHasALineOfItsOwn) {
    Canvas probe(4, 4, Font(20));
    int width = probe.Extent("ab cd").cx;
    ExpectLines(Font(20), Font(20), "ab abcdefghijkl cd", width, kWrap, {"ab ", "abcdefghijkl", "cd"});
    // As an edit control shows it, the word is cut where it no longer fits.
    int cut = probe.Extent("aaaaa").cx;
    ExpectLines(Font(20), Font(20), "aaaaaaaaaaaa", cut, kWrap | DT_EDITCONTROL, {"aaaaa", "aaaaa", "aa"});

    // Clipped at the rectangle's right edge unless DT_NOCLIP.
    Canvas clipped(300, 40, Font(20));
    RECT r{5, 4, 5 + width, 40};
    DrawTextA(clipped.dc(), "abcdefghijkl", -1, &r, kWrap);
    EXPECT_LE(clipped.Bounds(kInk).right, r.right);
    Canvas unclipped(300, 40, Font(20));
    DrawTextA(unclipped.dc(), "abcdefghijkl", -1, &r, kWrap | DT_NOCLIP);
    EXPECT_GT(unclipped.Bounds(kInk).right, r.right);
}

TEST(DrawText, ARectangleTooNarrowForAnyCharacterStillEnds) {
    Canvas canvas(100, 100, Font(20));
    TEXTMETRICA metrics;
    ASSERT_TRUE(GetTextMetricsA(canvas.dc(), &metrics));
    for (const char* text : {"a\tb", "\t\t", " a ", "abc", "\t"}) {
        for (int width : {0, 1, -50}) {
            for (UINT format : {kWrap, kWrap | DT_EDITCONTROL}) {
                RECT r{10, 10, 10 + width, 90};
                int height = DrawTextA(canvas.dc(), text, -1, &r, format);
                EXPECT_GT(height, 0) << text;
                EXPECT_LE(height, int(std::strlen(text) + 1) * metrics.tmHeight) << text;
            }
        }
    }
}

TEST(DrawText, CarriageReturnsAndLineFeedsBreakLines) {
    for (const char* text : {"one\r\ntwo", "one\ntwo", "one\rtwo", "one\n\rtwo", "one\r\ntwo\r\n"})
        ExpectLines(Font(20), Font(20), text, 300, kWrap, {"one", "two"});
    ExpectLines(Font(20), Font(20), "one\r\rtwo", 300, kWrap, {"one", "", "two"});
    ExpectLines(Font(20), Font(20), "one\n\ntwo", 300, DT_NOPREFIX, {"one", "", "two"});
    // The text tool's Enter followed by the caret.
    ExpectLines(TextToolFont(), TextToolFont(), "Hello\r|", 300, kWrap, {"Hello", "|"});
}

TEST(DrawText, CalcRectMeasuresWithoutDrawing) {
    Canvas c(300, 200, Font(20));
    int height = c.Metrics().tmHeight;
    // The space after the first line does not fit, so it is not part of the line's width.
    int widest = c.Extent("aaa bbbbbbb").cx;
    RECT r{10, 20, 10 + widest + 1, 1000};
    EXPECT_EQ(DrawTextA(c.dc(), "aaa bbbbbbb cc", -1, &r, kWrap | DT_CALCRECT), 2 * height);
    EXPECT_EQ(Sides(r), Sides({10, 20, 10 + widest, 20 + 2 * height}));
    EXPECT_EQ(c.Count(kInk), 0);

    RECT single{10, 20, 11, 21};
    EXPECT_EQ(DrawTextA(c.dc(), "aaa bbbbbbb cc", -1, &single, kWrap | DT_SINGLELINE | DT_CALCRECT), height);
    EXPECT_EQ(single.right, 10 + c.Extent("aaa bbbbbbb cc").cx);
    EXPECT_EQ(single.bottom, 20 + height);

    // Empty text is a line high, yet only a single line's rectangle has that height.
    RECT empty{10, 20, 100, 100};
    EXPECT_EQ(DrawTextA(c.dc(), "", -1, &empty, kWrap | DT_CALCRECT), height);
    EXPECT_EQ(empty.right, 10);
    EXPECT_EQ(empty.bottom, 20);
    RECT count{10, 20, 100, 100};
    EXPECT_EQ(DrawTextA(c.dc(), "abc", 2, &count, DT_NOPREFIX | DT_CALCRECT), height);
    EXPECT_EQ(count.right, 10 + c.Extent("ab").cx);
    EXPECT_EQ(c.Count(kInk), 0);
}

TEST(DrawText, PrefixesUnderlineUnlessNoPrefix) {
    Canvas c(200, 40, Font(20));
    RECT r{0, 0, 200, 40};
    DrawTextA(c.dc(), "&Save && go&", -1, &r, DT_CALCRECT);
    EXPECT_EQ(r.right, c.Extent("Save & go&").cx);
    RECT plain{0, 0, 200, 40};
    DrawTextA(c.dc(), "&Save", -1, &plain, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(plain.right, c.Extent("&Save").cx);

    // The prefix adds a bar under the S alone, below the baseline.
    Canvas marked(200, 40, Font(20)), unmarked(200, 40, Font(20));
    RECT box{2, 2, 200, 40};
    DrawTextA(marked.dc(), "&Save", -1, &box, 0);
    TextOutA(unmarked.dc(), 2, 2, "Save", 4);
    int sRight = 2 + marked.Extent("S").cx, baseline = 2 + marked.Metrics().tmAscent;
    int added = 0;
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 200; x++) {
            COLORREF m = GetPixel(marked.dc(), x, y), u = GetPixel(unmarked.dc(), x, y);
            if (m == u) continue;
            ASSERT_EQ(m, kInk);
            EXPECT_TRUE(x >= 2 && x < sRight && y >= baseline) << x << "," << y;
            added++;
        }
    EXPECT_GT(added, 0);
}

TEST(DrawText, ClipsToTheRectangleAndTheDc) {
    Canvas c(300, 100, Font(20));
    RECT r{10, 10, 60, 30};
    // Three lines: only the first lies inside the rectangle, and only its left part.
    int height = c.Metrics().tmHeight;
    EXPECT_EQ(DrawTextA(c.dc(), "Wonderful\nwide\nworld", -1, &r, DT_NOPREFIX), 3 * height);
    ExpectInside(c.Bounds(kInk), r);
    EXPECT_GT(c.Count(kInk), 0);
}

TEST(TextHandles, NullAndStaleHandlesFailQuietly) {
    TEXTMETRICA m;
    SIZE s;
    RECT r{0, 0, 100, 100};
    EXPECT_FALSE(GetTextMetricsA(nullptr, &m));
    EXPECT_FALSE(GetTextExtentPoint32A(nullptr, "a", 1, &s));
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "a", 1));
    EXPECT_EQ(DrawTextA(nullptr, "a", 1, &r, 0), 0);
    EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);

    HFONT font = Font(20);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_FALSE(DeleteObject(font));
    Canvas c(40, 40, Font(20));
    EXPECT_EQ(SelectObject(c.dc(), font), nullptr);
    LOGFONTA log;
    EXPECT_EQ(GetObjectA(font, sizeof log, &log), 0);
    // The DC keeps its own font after the failed selection.
    EXPECT_TRUE(TextOutA(c.dc(), 0, 0, "a", 1));
    EXPECT_FALSE(TextOutA(c.dc(), 0, 0, nullptr, 1));
    EXPECT_FALSE(GetTextMetricsA(c.dc(), nullptr));
    EXPECT_EQ(DrawTextA(c.dc(), nullptr, 1, &r, 0), 0);
    EXPECT_EQ(DrawTextA(c.dc(), "a", 1, nullptr, 0), 0);
}

TEST(TextHandles, FontsAreObjectsLikeAnyOther) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HFONT font =
        CreateFontA(-17, 0, 0, 0, FW_BOLD, 1, 0, 0, ANSI_CHARSET, 0, 0, PROOF_QUALITY, 0x12, "Times New Roman");
    // A new DC starts with the system font.
    EXPECT_EQ(SelectObject(dc, font), GetStockObject(SYSTEM_FONT));
    LOGFONTA log{};
    ASSERT_EQ(GetObjectA(font, sizeof log, &log), int(sizeof log));
    EXPECT_EQ(log.lfHeight, -17);
    EXPECT_EQ(log.lfWeight, FW_BOLD);
    EXPECT_EQ(log.lfItalic, 1);
    EXPECT_EQ(log.lfPitchAndFamily, 0x12);
    EXPECT_STREQ(log.lfFaceName, "Times New Roman");
    // Deleted while selected, it stays usable until the DC lets go of it.
    EXPECT_TRUE(DeleteObject(font));
    TEXTMETRICA m;
    EXPECT_TRUE(GetTextMetricsA(dc, &m));
    EXPECT_EQ(m.tmHeight - m.tmInternalLeading, 17);
    EXPECT_EQ(m.tmItalic, 1);
    EXPECT_EQ(SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT)), font);
    EXPECT_EQ(GetObjectA(font, sizeof log, &log), 0);
    EXPECT_TRUE(GetTextMetricsA(dc, &m));
    EXPECT_TRUE(DeleteObject(GetStockObject(SYSTEM_FONT)));
    EXPECT_TRUE(GetTextMetricsA(dc, &m)) << "stock fonts are never deleted";
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

}  // namespace
