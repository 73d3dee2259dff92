// Text on a machine with no fonts: fontconfig is given a configuration of no folders before any font is
// looked up, and every logical font is drawn in the built-in one. Standard error says so once; the sizes
// follow the height and width asked for; the glyphs are the design scaled. (The message boxes' words are
// checked on the real program, in tests/smoke/run-broken-machine.)
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32.h"
#include "tests/platform/surfaces.h"

namespace {

HFONT Font(int height, int width = 0, int weight = FW_NORMAL) {
    return CreateFontA(height, width, 0, 0, weight, 0, 0, 0, ANSI_CHARSET, 0, 0, PROOF_QUALITY,
                       VARIABLE_PITCH | FF_ROMAN, "Times New Roman");
}

// Text drawn in black on white in a memory DC of its own, read back as rows of '#' (ink) and '.'.
class Page {
public:
    Page(int width, int height, HFONT font) : width_(width), height_(height), font_(font), memory_(width, height) {
        old_ = SelectObject(memory_.dc, font);
        RECT all{0, 0, width, height};
        FillRect(memory_.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetBkMode(memory_.dc, TRANSPARENT);
        SetTextColor(memory_.dc, kBlack);
    }
    ~Page() {
        SelectObject(memory_.dc, old_);
        DeleteObject(font_);
    }
    HDC dc() const { return memory_.dc; }
    void Write(const std::string& text) { TextOutA(memory_.dc, 0, 0, text.data(), int(text.size())); }
    // Row after row, '#' for a pixel of ink and '.' for paper.
    std::string Rows() const {
        std::string rows;
        for (int y = 0; y < height_; y++)
            for (int x = 0; x < width_; x++) rows += GetPixel(memory_.dc, x, y) == kBlack ? '#' : '.';
        return rows;
    }

private:
    int width_, height_;
    HFONT font_;
    MemoryDc memory_;
    HGDIOBJ old_;
};

// First in the file: the line is said at the first font a process draws with.
TEST(NoFonts, StandardErrorSaysOnceThatTheFontsAreMissing) {
    testing::internal::CaptureStderr();
    for (int height : {10, 26, -14}) {
        Page page(40, 30, Font(height));
        page.Write("dab");
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "dab: no fonts found; text is drawn in the built-in font\n");
}

TEST(NoFonts, TheBuiltInFontTakesTheHeightAndWidthAskedFor) {
    const struct {
        int height, width, weight;
        LONG cell, ascent, internalLeading, averageWidth;
    } cases[] = {
        {10, 0, FW_NORMAL, 10, 8, 1, 6},  // the design itself
        {20, 0, FW_NORMAL, 20, 16, 2, 12},
        {26, 10, FW_BOLD, 26, 21, 3, 10},   // the text tool's
        {-14, 0, FW_NORMAL, 15, 12, 1, 9},  // the message boxes'
        {0, 0, FW_NORMAL, 15, 12, 2, 9},
        {30, 0, FW_BOLD, 30, 24, 3, 19},  // large enough to be drawn bold: a column wider
    };
    for (const auto& c : cases) {
        Page page(4, 4, Font(c.height, c.width, c.weight));
        TEXTMETRICA m{};
        ASSERT_TRUE(GetTextMetricsA(page.dc(), &m));
        EXPECT_EQ(m.tmHeight, c.cell) << c.height;
        EXPECT_EQ(m.tmAscent, c.ascent) << c.height;
        EXPECT_EQ(m.tmInternalLeading, c.internalLeading) << c.height;
        EXPECT_EQ(m.tmAveCharWidth, c.averageWidth) << c.height;
        SIZE size{};
        ASSERT_TRUE(GetTextExtentPoint32A(page.dc(), "Hello", 5, &size));
        EXPECT_EQ(size.cx, 5 * c.averageWidth) << "every character as wide, at " << c.height;
        EXPECT_EQ(size.cy, c.cell) << c.height;
    }
}

TEST(NoFonts, GlyphsAreTheDesignWithEveryPixelAsLargeAsTheScale) {
    const struct {
        const char* text;
        int height, width, weight;
        int columns;
        const char* rows;  // from the top-left of the cell, '#' for ink
    } cases[] = {
        {"A", 10, 0, FW_NORMAL, 6,
         "......"
         ".###.."
         "#...#."
         "#...#."
         "#####."
         "#...#."
         "#...#."
         "#...#."
         "......"
         "......"},
        // Characters outside printable ASCII show a box: an e with an acute accent.
        {"\xE9", 10, 0, FW_NORMAL, 6,
         "......"
         "#####."
         "#...#."
         "#...#."
         "#...#."
         "#...#."
         "#...#."
         "#####."
         "......"
         "......"},
        // Twice as large: each pixel two by two, the descender of the g down to the cell's last row.
        {"g", 20, 0, FW_NORMAL, 12,
         "............"
         "............"
         "............"
         "............"
         "............"
         "............"
         "..########.."
         "..########.."
         "##......##.."
         "##......##.."
         "##......##.."
         "##......##.."
         "##......##.."
         "##......##.."
         "..########.."
         "..########.."
         "........##.."
         "........##.."
         "..######...."
         "..######...."},
        // The text tool's 2.6 rows and 1.67 columns a pixel: dots three rows tall and two columns wide at
        // rows 2, 5, 7, 10, 13, 15, 18 and columns 0, 1, 3, 5, 6.
        {"H", 26, 10, FW_BOLD, 10,
         ".........."
         ".........."
         "##....##.."
         "##....##.."
         "##....##.."
         "##....##.."
         "##....##.."
         "##....##.."
         "##....##.."
         "##....##.."
         "########.."
         "########.."
         "########.."
         "##....##.."
         "##....##.."
         "##....##.."
         "##....##.."
         "##....##.."
         "##....##.."
         "##....##.."
         "##....##.."
         ".........."
         ".........."
         ".........."
         ".........."
         ".........."},
    };
    for (const auto& c : cases) {
        int rows = int(std::strlen(c.rows)) / c.columns;
        Page page(c.columns, rows, Font(c.height, c.width, c.weight));
        page.Write(c.text);
        EXPECT_EQ(page.Rows(), c.rows) << c.text << " at " << c.height;
    }
}

}  // namespace

int main(int argc, char** argv) {
    // A configuration of no folders, written before fontconfig's first look-up: no font is found.
    std::filesystem::path config =
        std::filesystem::temp_directory_path() / ("dab-no-fonts-" + std::to_string(getpid()));
    std::filesystem::create_directories(config);
    std::ofstream(config / "fonts.conf") << "<?xml version=\"1.0\"?>\n<fontconfig><cachedir>"
                                         << (config / "cache").string() << "</cachedir></fontconfig>\n";
    setenv("FONTCONFIG_FILE", (config / "fonts.conf").c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(config);
    return result;
}
