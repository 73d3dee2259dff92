// The contact sheet: each picture where the layout puts it, clear showing the background it is on, invert
// turning the background over, and the cursors' hot spots marked.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>
#include <zlib.h>

#include "contact_sheet.h"

namespace {

// The pixels of a PNG as the platform writes it: one IDAT, rows with no filter or the "up" one, kept here
// as they were before filtering, each after its filter byte.
struct Png {
    int width = 0, height = 0;
    std::vector<uint8_t> rows;

    uint32_t At(int x, int y) const {
        const uint8_t* p = &rows[size_t(y) * (size_t(width) * 3 + 1) + 1 + size_t(x) * 3];
        return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
};

uint32_t Big32(const std::string& s, size_t at) {
    return uint32_t(uint8_t(s[at])) << 24 | uint32_t(uint8_t(s[at + 1])) << 16 | uint32_t(uint8_t(s[at + 2])) << 8 |
           uint8_t(s[at + 3]);
}

Png ReadPng(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string file(std::istreambuf_iterator<char>(in), {});
    Png png;
    png.width = int(Big32(file, 16));
    png.height = int(Big32(file, 20));
    size_t idat = file.find("IDAT");
    EXPECT_NE(idat, std::string::npos);
    if (idat == std::string::npos) return png;
    size_t rowBytes = size_t(png.width) * 3 + 1;
    png.rows.resize(size_t(png.height) * rowBytes + 1);
    uLongf length = uLongf(png.rows.size());
    EXPECT_EQ(uncompress(png.rows.data(), &length, reinterpret_cast<const Bytef*>(file.data() + idat + 4),
                         Big32(file, idat - 4)),
              Z_OK);
    png.rows.resize(length);
    for (size_t at = rowBytes; at + rowBytes <= png.rows.size(); at += rowBytes)
        if (png.rows[at] == 2)
            for (size_t i = 1; i < rowBytes; i++) png.rows[at + i] = uint8_t(png.rows[at + i] + png.rows[at + i - rowBytes]);
    return png;
}

TEST(ContactSheet, ShowsEachPictureOnBothBackgroundsAtBothSizes) {
    art::Art art;
    std::istringstream in("icon ICON_3 square\npen none\nbrush yellow\nrect 8 8 24 24\npixel 10 10 red\n"
                          "cursor CURSOR_5 hot 6 7 dots\npixel 20 20 invert\npixel 21 20 black\n");
    art::AddSource(art, "test.art", in);
    art::Finish(art);
    ASSERT_TRUE(art.errors.empty());
    std::string name = "sheet-" + std::to_string(getpid()) + ".png";
    std::string path = (std::filesystem::temp_directory_path() / name).string();
    ASSERT_TRUE(art::WriteContactSheet(art, path));
    Png png = ReadPng(path);
    std::filesystem::remove(path);
    art::SheetLayout size = art::ContactSheetSize(1, 1);
    ASSERT_EQ(png.width, size.width);
    ASSERT_EQ(png.height, size.height);
    ASSERT_EQ(png.rows.size(), size_t(png.height) * (size_t(png.width) * 3 + 1));

    art::Spot icon = art::IconSpot(0);
    int big = icon.x + art::kCell + 4;  // the 3× image beside the 1× one
    EXPECT_EQ(png.At(icon.x, icon.y), art::kStripNavy);
    EXPECT_EQ(png.At(icon.x + 12, icon.y + 12), 0xFFFF00u);
    EXPECT_EQ(png.At(icon.x + 10, icon.y + 10), 0xFF0000u);
    EXPECT_EQ(png.At(big + 31, icon.y + 32), 0xFF0000u);
    EXPECT_EQ(png.At(big + 33, icon.y + 33), 0xFFFF00u);
    EXPECT_EQ(png.At(big + 3 * 31, icon.y + 3 * 31), art::kStripNavy);
    EXPECT_EQ(png.At(icon.x + art::kHalfWidth, icon.y), art::kSheetWhite);
    EXPECT_EQ(png.At(icon.x + art::kHalfWidth + 10, icon.y + 10), 0xFF0000u);

    art::Spot cursor = art::CursorSpot(1, 0);
    int dark = cursor.x + art::kHalfWidth;
    EXPECT_EQ(png.At(cursor.x + 20, cursor.y + 20), 0x000000u);  // invert over white
    EXPECT_EQ(png.At(cursor.x + 21, cursor.y + 20), 0x000000u);
    EXPECT_EQ(png.At(dark + 20, cursor.y + 20), ~art::kCursorDark & 0xFFFFFF);
    EXPECT_EQ(png.At(dark + 21, cursor.y + 20), 0x000000u);
    EXPECT_EQ(png.At(dark, cursor.y), art::kCursorDark);
    // The hot spot: a tick above and one left of the 1× image, a box around its pixel in the 3× one.
    EXPECT_EQ(png.At(cursor.x + 6, cursor.y - 2), 0xFF0000u);
    EXPECT_EQ(png.At(cursor.x - 2, cursor.y + 7), 0xFF0000u);
    int hx = cursor.x + art::kCell + 4 + 3 * 6, hy = cursor.y + 3 * 7;
    EXPECT_EQ(png.At(hx - 1, hy - 1), 0xFF0000u);
    EXPECT_EQ(png.At(hx + 3, hy + 3), 0xFF0000u);
    EXPECT_EQ(png.At(hx + 1, hy + 1), art::kSheetWhite);
}

}  // namespace
