// Writing blocks to picture files and making blocks from device bitmaps: the saved canvas's geometry, a
// write-then-read of every bit depth, and writes that fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "dib/dib.h"
#include "dib_bytes.h"
#include "tests/platform/surfaces.h"
#include "tests/platform/temp_folder.h"

using namespace dab_test;

namespace {

uint32_t Number(const std::vector<uint8_t>& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; i--) value = (value << 8) | bytes[at + size_t(i)];
    return value;
}

// A block made by hand: header, a full table for 8 bits or fewer, and patterned bits.
HGLOBAL HandMadeBlock(int width, int height, WORD bitCount) {
    DWORD imageSize = DWORD(((width * bitCount + 31) / 32) * 4 * height), colours = bitCount <= 8 ? 1u << bitCount : 0;
    BITMAPINFOHEADER info = {40, width, height, 1, bitCount, BI_RGB, imageSize, 0, 0, colours, 0};
    size_t size = 40 + colours * 4 + imageSize;
    HGLOBAL block = dab_test::BlockOf(&info, 40, size);
    auto* bytes = static_cast<uint8_t*>(GlobalLock(block));
    for (size_t i = 40; i < size; i++) bytes[i] = uint8_t(i * 13 + (i >> 7));
    GlobalUnlock(block);
    return block;
}

// A memory bitmap of the screen's kind, with a DC to draw on it.
struct DrawnBitmap : MemoryDc {
    using MemoryDc::MemoryDc;
    void Fill(int left, int top, int right, int bottom, COLORREF colour) const {
        HBRUSH brush = CreateSolidBrush(colour);
        RECT rect = {left, top, right, bottom};
        FillRect(dc, &rect, brush);
        DeleteObject(brush);
    }
};

const COLORREF kColours[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(200, 30, 40), RGB(20, 160, 60), RGB(30, 40, 220),
                             RGB(250, 220, 10)};

HPALETTE PaletteOfColours() {
    std::vector<uint8_t> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * std::size(kColours));
    auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = WORD(std::size(kColours));
    for (size_t i = 0; i < std::size(kColours); i++)
        palette->palPalEntry[i] = {GetRValue(kColours[i]), GetGValue(kColours[i]), GetBValue(kColours[i]), 0};
    return CreatePalette(palette);
}

using DibWrite = TempFolder;

TEST_F(DibWrite, TheCanvasSavedOnASmallScreenHasItsSizesAndReadsBackAsItWasWritten) {
    DrawnBitmap canvas(587, 378);
    canvas.Fill(0, 0, 587, 378, kColours[1]);
    canvas.Fill(10, 20, 300, 200, kColours[2]);
    HPALETTE palette = PaletteOfColours();
    HGLOBAL block = DibFromBitmap(canvas.bitmap, BI_RGB, 8, palette);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 40u + 1024 + 222264);
    BITMAPINFOHEADER info;
    ASSERT_EQ(GetDibInfo(block, &info), 1);
    EXPECT_EQ(info.biSize, 40u);
    EXPECT_EQ(info.biWidth, 587);
    EXPECT_EQ(info.biHeight, 378);
    EXPECT_EQ(info.biBitCount, 8);
    EXPECT_EQ(info.biSizeImage, 222264u);
    EXPECT_EQ(DibColourTableSize(&info), 1024);

    ASSERT_EQ(WriteDibFile("SAVED.BMP", block), 1);
    std::vector<uint8_t> file = FileContents("SAVED.BMP");
    ASSERT_EQ(file.size(), 223342u);
    EXPECT_EQ(Number(file, 0, 2), 0x4D42u);
    EXPECT_EQ(Number(file, 2, 4), 223342u);
    EXPECT_EQ(Number(file, 6, 4), 0u) << "reserved";
    EXPECT_EQ(Number(file, 10, 4), 1078u);
    EXPECT_EQ(std::vector<uint8_t>(file.begin() + 14, file.end()), BlockBytes(block));

    // The palette's colours open the table, and the bits are their indices, bottom row first.
    std::vector<uint8_t> written = BlockBytes(block);
    for (size_t i = 0; i < std::size(kColours); i++)
        EXPECT_EQ(RGB(written[40 + 4 * i + 2], written[40 + 4 * i + 1], written[40 + 4 * i]), kColours[i]) << i;
    auto colourAt = [&](int x, int y) {
        size_t entry = 40 + 4 * size_t(written[40 + 1024 + 588 * size_t(377 - y) + size_t(x)]);
        return RGB(written[entry + 2], written[entry + 1], written[entry]);
    };
    ExpectPixels(colourAt, {{0, 377, kColours[1], "bottom-left pixel"},
                            {10, 20, kColours[2], "top-left of the red rectangle"},
                            {299, 199, kColours[2], "its bottom-right"}, {299, 200, kColours[1], "below it"}});
    EXPECT_EQ(written[40 + 1024 + 587], 0) << "the row's padding";

    // Reading fills in the colours used, which the system left 0.
    HGLOBAL read = ReadDibFile("SAVED.BMP");
    ASSERT_NE(read, nullptr);
    std::vector<uint8_t> readBack = BlockBytes(read);
    ASSERT_EQ(readBack.size(), written.size());
    EXPECT_EQ(Number(readBack, 32, 4), 256u);
    std::memset(readBack.data() + 32, 0, 4);
    EXPECT_EQ(Number(written, 32, 4), 0u);
    EXPECT_EQ(readBack, written);
    GlobalFree(read);
    GlobalFree(block);
    DeleteObject(palette);
}

class DibWriteDepth : public TempFolder, public ::testing::WithParamInterface<int> {};

TEST_P(DibWriteDepth, AWrittenBlockReadsBackByteForByte) {
    WORD bitCount = WORD(GetParam());
    HGLOBAL block = HandMadeBlock(7, 5, bitCount);
    ASSERT_EQ(WriteDibFile("depth.bmp", block), 1);
    std::vector<uint8_t> file = FileContents("depth.bmp");
    size_t table = bitCount <= 8 ? 4u << bitCount : 0;
    EXPECT_EQ(file.size(), 14 + GlobalSize(block));
    EXPECT_EQ(Number(file, 10, 4), 14 + 40 + table);
    HGLOBAL read = ReadDibFile("depth.bmp");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(BlockBytes(read), BlockBytes(block));
    GlobalFree(read);
    GlobalFree(block);
}

TEST_P(DibWriteDepth, ABitmapReadAtThatDepthDrawsBackTheSameColours) {
    WORD bitCount = WORD(GetParam());
    DrawnBitmap picture(9, 6);
    picture.Fill(0, 0, 9, 6, kColours[1]);
    picture.Fill(0, 0, 4, 3, kColours[0]);
    // Colours that the table of that depth holds: its own fixed one below 8 bits, the palette's at 8.
    COLORREF second = bitCount == 1 ? RGB(0, 0, 0) : bitCount == 4 ? RGB(0, 0, 255) : kColours[4];
    picture.Fill(4, 3, 9, 6, second);
    HPALETTE palette = PaletteOfColours();
    HGLOBAL block = DibFromBitmap(picture.bitmap, BI_RGB, bitCount, palette);
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(WriteDibFile("bitmap.bmp", block), 1);
    HGLOBAL read = ReadDibFile("bitmap.bmp");
    ASSERT_NE(read, nullptr);
    DrawnBitmap copy(9, 6);
    HPALETTE previous = SelectPalette(copy.dc, palette, FALSE);
    RealizePalette(copy.dc);
    EXPECT_NE(StretchDibToDevice(copy.dc, 0, 0, 9, 6, read, 0, 0, -1, -1, SRCCOPY), 0);
    SelectPalette(copy.dc, previous, FALSE);
    // At 16 bits a pixel each channel keeps its top five bits.
    int tolerance = bitCount == 16 ? 7 : 0;
    for (int y = 0; y < 6; y++)
        for (int x = 0; x < 9; x++) {
            COLORREF got = GetPixel(copy.dc, x, y), want = GetPixel(picture.dc, x, y);
            for (int shift : {0, 8, 16})
                EXPECT_LE(std::abs(int(got >> shift & 0xFF) - int(want >> shift & 0xFF)), tolerance)
                    << x << ", " << y << std::hex << ": " << got << " for " << want;
        }
    GlobalFree(read);
    GlobalFree(block);
    DeleteObject(palette);
}

INSTANTIATE_TEST_SUITE_P(DibDepths, DibWriteDepth, ::testing::Values(1, 4, 8, 16, 24, 32));

TEST_F(DibWrite, ABitmapWithoutAPaletteTakesTheDefaultOne) {
    DrawnBitmap picture(4, 4);
    picture.Fill(0, 0, 4, 4, RGB(255, 255, 255));
    HGLOBAL block = DibFromBitmap(picture.bitmap, BI_RGB, 8, nullptr);
    ASSERT_NE(block, nullptr);
    std::vector<uint8_t> bytes = BlockBytes(block);
    ASSERT_EQ(bytes.size(), 40u + 1024 + 16);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 40, bytes.begin() + 43), (std::vector<uint8_t>{0, 0, 0}));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 40 + 1020, bytes.begin() + 40 + 1023),
              (std::vector<uint8_t>{255, 255, 255}));
    EXPECT_EQ(bytes[40 + 1024], 255) << "white is the default palette's last entry";
    GlobalFree(block);
    EXPECT_EQ(DibFromBitmap(nullptr, BI_RGB, 8, nullptr), nullptr);
}

TEST_F(DibWrite, ABitCountOfZeroTakesTheBitmapsOwn) {
    DrawnBitmap picture(3, 2);
    HGLOBAL block = DibFromBitmap(picture.bitmap, BI_RGB, 0, nullptr);
    ASSERT_NE(block, nullptr);
    BITMAPINFOHEADER info;
    GetDibInfo(block, &info);
    BITMAP description;
    GetObjectA(picture.bitmap, sizeof description, &description);
    EXPECT_EQ(info.biBitCount, description.bmPlanes * description.bmBitsPixel);
    GlobalFree(block);
}

TEST_F(DibWrite, WritingReplacesALongerFile) {
    HGLOBAL large = HandMadeBlock(100, 100, 24), small = HandMadeBlock(2, 2, 24);
    ASSERT_EQ(WriteDibFile("same.bmp", large), 1);
    ASSERT_EQ(WriteDibFile("same.bmp", small), 1);
    EXPECT_EQ(std::filesystem::file_size("same.bmp"), 14 + 40 + 16u);
    GlobalFree(large);
    GlobalFree(small);
}

TEST_F(DibWrite, AFailedWriteIsReportedAsZero) {
    HGLOBAL block = HandMadeBlock(40, 40, 8);
    EXPECT_EQ(WriteDibFile("picture.bmp", nullptr), 0) << "no block";
    EXPECT_EQ(WriteDibFile("missing/picture.bmp", block), 0) << "a folder that is not there";
    std::filesystem::create_directory("folder.bmp");
    EXPECT_EQ(WriteDibFile("folder.bmp", block), 0) << "a folder of that name";
    ASSERT_TRUE(std::filesystem::exists("/dev/full"));
    EXPECT_EQ(WriteDibFile("/dev/full", block), 0) << "a device with no room";
    GlobalFree(block);
}

TEST_F(DibWrite, ABlockHoldingLessThanItsHeaderSaysIsNotWritten) {
    HGLOBAL block = HandMadeBlock(40, 40, 8);
    HGLOBAL shrunk = GlobalReAlloc(block, 40 + 1024 + 100, GMEM_MOVEABLE);
    ASSERT_NE(shrunk, nullptr);
    EXPECT_EQ(WriteDibFile("short.bmp", shrunk), 0);
    GlobalFree(shrunk);
}

}  // namespace
