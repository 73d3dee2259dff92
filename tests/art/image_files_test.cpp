// The .ico and .cur files the tool writes, read back by the window system's own reader: colours, masks,
// the hot spot, and the layout windres and Windows expect.
#include <gtest/gtest.h>

#include "image_files.h"
#include "platform/user/resources.h"

namespace {

// A cell of diagonal stripes using every ink an icon, or a cursor, may have.
art::Cell Sample(bool cursor) {
    const art::Ink cursorInks[] = {art::kBlack, art::kWhite, art::kClear, art::kInvert};
    art::Cell cell;
    for (int y = 0; y < art::kCell; y++) {
        for (int x = 0; x < art::kCell; x++) {
            int i = (x + 3 * y) % 18;
            cell[size_t(y * art::kCell + x)] = cursor ? cursorInks[i % 4] : i < 16 ? art::Ink(i) : art::kClear;
        }
    }
    return cell;
}

bool MaskBit(const std::vector<uint8_t>& mask, int x, int y) {
    return (mask[size_t(y * 4 + x / 8)] >> (7 - x % 8)) & 1;
}

TEST(ImageFiles, IconsReadBackWithTheirColoursAndMask) {
    art::Cell cell = Sample(false);
    std::vector<uint8_t> file = art::IconFile(cell);
    EXPECT_EQ(file.size(), 6u + 16 + 40 + 16 * 4 + 32 * 16 + 32 * 4);
    user::Icon icon;
    ASSERT_TRUE(user::ParseIcon(file.data(), file.size(), icon));
    for (int y = 0; y < art::kCell; y++) {
        for (int x = 0; x < art::kCell; x++) {
            art::Ink ink = art::At(cell, x, y);
            uint32_t colour = icon.colours[size_t(y * 32 + x)];
            if (ink == art::kClear) {
                EXPECT_TRUE(MaskBit(icon.andMask, x, y)) << x << "," << y;
                EXPECT_EQ(colour, 0u) << x << "," << y;
            } else {
                EXPECT_FALSE(MaskBit(icon.andMask, x, y)) << x << "," << y;
                EXPECT_EQ(colour, art::Palette()[ink].rgb) << x << "," << y;
            }
        }
    }
}

TEST(ImageFiles, CursorsReadBackWithTheirMasksAndHotSpot) {
    art::Cell cell = Sample(true);
    std::vector<uint8_t> file = art::CursorFile(cell, 30, 27);
    EXPECT_EQ(file.size(), 6u + 16 + 40 + 2 * 4 + 32 * 4 + 32 * 4);
    backend::CursorImage cursor;
    ASSERT_TRUE(user::ParseCursor(file.data(), file.size(), cursor));
    EXPECT_EQ(cursor.hotX, 30);
    EXPECT_EQ(cursor.hotY, 27);
    for (int y = 0; y < art::kCell; y++) {
        for (int x = 0; x < art::kCell; x++) {
            art::Ink ink = art::At(cell, x, y);
            int bit = 7 - x % 8;
            bool keep = (cursor.andMask[y * 4 + x / 8] >> bit) & 1, flip = (cursor.xorMask[y * 4 + x / 8] >> bit) & 1;
            EXPECT_EQ(keep, ink == art::kClear || ink == art::kInvert) << x << "," << y;
            EXPECT_EQ(flip, ink == art::kWhite || ink == art::kInvert) << x << "," << y;
        }
    }
}

TEST(ImageFiles, TheDirectoryAndHeaderSayWhatFollows) {
    std::vector<uint8_t> icon = art::IconFile(Sample(false));
    // One image of 32 × 32 in 16 colours, one plane of 4 bits, right after the directory.
    EXPECT_EQ(std::vector<uint8_t>(icon.begin(), icon.begin() + 12),
              (std::vector<uint8_t>{0, 0, 1, 0, 1, 0, 32, 32, 16, 0, 1, 0}));
    EXPECT_EQ(icon[12], 4);
    EXPECT_EQ(icon[14] | icon[15] << 8, int(icon.size()) - 22);
    EXPECT_EQ(icon[18], 22);
    EXPECT_EQ(icon[22], 40);
    EXPECT_EQ(icon[30], 64);  // double height: the image and its mask
    std::vector<uint8_t> cursor = art::CursorFile(Sample(true), 9, 28);
    EXPECT_EQ(std::vector<uint8_t>(cursor.begin(), cursor.begin() + 14),
              (std::vector<uint8_t>{0, 0, 2, 0, 1, 0, 32, 32, 2, 0, 9, 0, 28, 0}));
    // The colour table: black, then white.
    EXPECT_EQ(std::vector<uint8_t>(cursor.begin() + 62, cursor.begin() + 70),
              (std::vector<uint8_t>{0, 0, 0, 0, 255, 255, 255, 0}));
}

}  // namespace
