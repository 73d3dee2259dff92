// Drawing blocks onto a device context: the whole picture for extents of -1, the source measured from the
// bottom row, no block, and blocks that hold fewer bits than their header describes.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "dib/dib.h"
#include "dib_bytes.h"
#include "tests/platform/surfaces.h"

namespace {

// A 24-bit block of the given size, each pixel from the colour function, bottom row first in the bits.
template <typename ColourOf>
HGLOBAL TrueColourBlock(int width, int height, ColourOf colourOf, DWORD bitsHeld = DWORD(-1)) {
    DWORD rowSize = DWORD((width * 24 + 31) / 32 * 4);
    DWORD imageSize = rowSize * DWORD(height < 0 ? -height : height);
    BITMAPINFOHEADER info = {40, width, height, 1, 24, BI_RGB, imageSize, 0, 0, 0, 0};
    std::vector<uint8_t> bytes(40 + imageSize);
    std::memcpy(bytes.data(), &info, 40);
    int rows = height < 0 ? -height : height;
    for (int row = 0; row < rows; row++) {
        int y = height < 0 ? row : rows - 1 - row;
        for (int x = 0; x < width; x++) {
            COLORREF c = colourOf(x, y);
            uint8_t* p = bytes.data() + 40 + rowSize * DWORD(row) + 3 * x;
            p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
        }
    }
    size_t size = bitsHeld == DWORD(-1) ? bytes.size() : 40 + bitsHeld;
    return dab_test::BlockOf(bytes.data(), size, size);
}

COLORREF Quadrant(int x, int y) {
    static const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
    return colours[(x >= 2 ? 1 : 0) + (y >= 2 ? 2 : 0)];
}

// A white 16 × 16 memory surface.
class DibStretch : public ::testing::Test {
protected:
    void SetUp() override { PatBlt(dc, 0, 0, 16, 16, WHITENESS); }
    MemoryDc surface{16, 16};
    HDC dc = surface.dc;
};

TEST_F(DibStretch, ExtentsOfMinusOneDrawTheWholePictureIntoTheRectangle) {
    for (int height : {4, -4}) {
        SCOPED_TRACE(height > 0 ? "bottom-up" : "top-down");
        HGLOBAL block = TrueColourBlock(4, height, Quadrant);
        EXPECT_NE(StretchDibToDevice(dc, 2, 3, 8, 8, block, 0, 0, -1, -1, SRCCOPY), 0);
        for (int y = 0; y < 8; y++)
            for (int x = 0; x < 8; x++) EXPECT_EQ(GetPixel(dc, 2 + x, 3 + y), Quadrant(x / 2, y / 2)) << x << ", " << y;
        ExpectPixels(dc, {{1, 3, kWhite}, {10, 11, kWhite}});
        GlobalFree(block);
    }
}

TEST_F(DibStretch, TheSourceIsMeasuredFromTheBottomRow) {
    HGLOBAL block = TrueColourBlock(4, 4, Quadrant);
    EXPECT_NE(StretchDibToDevice(dc, 0, 0, 2, 2, block, 0, 0, 2, 2, SRCCOPY), 0);
    EXPECT_EQ(GetPixel(dc, 0, 0), Quadrant(0, 3)) << "source y 0 is the picture's bottom";
    EXPECT_NE(StretchDibToDevice(dc, 0, 0, 2, 2, block, 2, 2, 2, 2, SRCCOPY), 0);
    EXPECT_EQ(GetPixel(dc, 1, 1), Quadrant(3, 0));
    GlobalFree(block);
}

TEST_F(DibStretch, WithNoBlockOnlyTheRasterOperationIsApplied) {
    EXPECT_NE(StretchDibToDevice(dc, 0, 0, 4, 4, nullptr, 0, 0, -1, -1, BLACKNESS), 0);
    ExpectPixels(dc, {{3, 3, kBlack}, {4, 4, kWhite}});
    StretchDibToDevice(dc, 0, 0, 16, 16, nullptr, 0, 0, -1, -1, SRCCOPY);
    EXPECT_EQ(GetPixel(dc, 3, 3), RGB(0, 0, 0)) << "the copy changes nothing";
}

TEST_F(DibStretch, AHandleThatIsNoBlockDrawsNothing) {
    HGLOBAL freed = TrueColourBlock(4, 4, Quadrant);
    GlobalFree(freed);
    EXPECT_EQ(StretchDibToDevice(dc, 0, 0, 4, 4, freed, 0, 0, -1, -1, SRCCOPY), 0);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
}

// Such blocks are no longer read from files; drawing one reads nothing beyond it and copies nothing.
TEST_F(DibStretch, ABlockHoldingFewerBitsThanItsRowsDrawsNothing) {
    HGLOBAL twoRows = TrueColourBlock(4, 4, Quadrant, 24);
    EXPECT_EQ(StretchDibToDevice(dc, 0, 0, 4, 4, twoRows, 0, 0, -1, -1, SRCCOPY), 0);
    GlobalFree(twoRows);
    HGLOBAL allButAByte = TrueColourBlock(4, 4, Quadrant, 47);
    EXPECT_EQ(StretchDibToDevice(dc, 0, 0, 4, 4, allButAByte, 0, 0, -1, -1, SRCCOPY), 0);
    GlobalFree(allButAByte);
    BITMAPINFOHEADER info = {40, 3, 3, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    HGLOBAL headerAlone = dab_test::BlockOf(&info, 40, 40 + 1024);
    EXPECT_EQ(StretchDibToDevice(dc, 0, 0, 3, 3, headerAlone, 0, 0, -1, -1, SRCCOPY), 0);
    GlobalFree(headerAlone);
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < 16; x++) EXPECT_EQ(GetPixel(dc, x, y), kWhite) << x << ", " << y;

    HGLOBAL whole = TrueColourBlock(4, 4, Quadrant, 48);
    EXPECT_NE(StretchDibToDevice(dc, 0, 0, 4, 4, whole, 0, 0, -1, -1, SRCCOPY), 0);
    EXPECT_EQ(GetPixel(dc, 3, 0), Quadrant(3, 0));
    GlobalFree(whole);
}

TEST_F(DibStretch, ABlockTooSmallForItsHeaderOrTableDrawsNothing) {
    HGLOBAL header = GlobalAlloc(GHND, 20);
    EXPECT_EQ(StretchDibToDevice(dc, 0, 0, 4, 4, header, 0, 0, -1, -1, SRCCOPY), 0);
    GlobalFree(header);

    BITMAPINFOHEADER info = {40, 2, 2, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    HGLOBAL table = dab_test::BlockOf(&info, 40, 40 + 100);
    EXPECT_EQ(StretchDibToDevice(dc, 0, 0, 4, 4, table, 0, 0, -1, -1, SRCCOPY), 0);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    GlobalFree(table);

    // 65538 colours count as 2 in the block's layout, but the system reads a full table of 256.
    info.biClrUsed = 0x10002;
    HGLOBAL wrapped = dab_test::BlockOf(&info, 40, 40 + 8 + 8);
    EXPECT_EQ(StretchDibToDevice(dc, 0, 0, 4, 4, wrapped, 0, 0, -1, -1, SRCCOPY), 0);
    GlobalFree(wrapped);
}

}  // namespace
