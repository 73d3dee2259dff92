// Device-independent bitmaps: what GetDIBits reports and writes, that StretchDIBits puts it back, and that
// headers which do not describe a usable picture are refused without touching anything.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/win32.h"
#include "surfaces.h"

namespace {

// A header and room for a full colour table, then the bits.
struct Dib {
    Dib(int width, int height, int bits) {
        header() = {sizeof(BITMAPINFOHEADER), width, height, 1, WORD(bits), BI_RGB, 0, 0, 0, 0, 0};
        int rowBytes = ((width * bits + 31) / 32) * 4;
        pixels.assign(size_t(rowBytes) * size_t(height < 0 ? -height : height), 0);
    }
    BITMAPINFOHEADER& header() { return info()->bmiHeader; }
    BITMAPINFO* info() { return reinterpret_cast<BITMAPINFO*>(block.data()); }
    RGBQUAD& colour(int i) { return info()->bmiColors[i]; }

    std::vector<uint8_t> block = std::vector<uint8_t>(sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD));
    std::vector<uint8_t> pixels;
};

// A 6 × 4 memory bitmap in a DC, painted in columns of the given colours.
class Picture : public ::testing::Test {
protected:
    void SetUp() override {
        for (int y = 0; y < 4; y++)
            for (int x = 0; x < 6; x++) SetPixel(dc, x, y, Colour(x, y));
    }
    static COLORREF Colour(int x, int y) { return RGB(40 * x + 3, 60 * y + 5, 200 - 30 * x); }

    MemoryDc picture{6, 4};
    HDC screen = picture.screen, dc = picture.dc;
    HBITMAP bitmap = picture.bitmap;
    HGDIOBJ old = picture.old;
};

TEST_F(Picture, WithoutABitCountGetDIBitsDescribesTheBitmap) {
    Dib dib(0, 0, 0);
    EXPECT_EQ(GetDIBits(screen, bitmap, 0, 4, nullptr, dib.info(), DIB_RGB_COLORS), 4);
    EXPECT_EQ(dib.header().biWidth, 6);
    EXPECT_EQ(dib.header().biHeight, 4);
    EXPECT_EQ(dib.header().biBitCount, 32);
    EXPECT_EQ(dib.header().biSizeImage, 6u * 4u * 4u);
}

TEST_F(Picture, TwentyFourBitsComeBackExactlyEitherWayUp) {
    for (int height : {4, -4}) {
        Dib dib(6, height, 24);
        ASSERT_EQ(GetDIBits(screen, bitmap, 0, 4, dib.pixels.data(), dib.info(), DIB_RGB_COLORS), 4);
        EXPECT_EQ(dib.header().biSizeImage, 4u * 20u);  // rows padded to 4 bytes
        // Bottom-up rows start with the bottom one.
        const uint8_t* top = dib.pixels.data() + (height > 0 ? 3 * 20 : 0);
        EXPECT_EQ(RGB(top[2], top[1], top[0]), Colour(0, 0));
        PatBlt(dc, 0, 0, 6, 4, BLACKNESS);
        ASSERT_EQ(StretchDIBits(dc, 0, 0, 6, 4, 0, 0, 6, 4, dib.pixels.data(), dib.info(), DIB_RGB_COLORS, SRCCOPY), 4);
        for (int y = 0; y < 4; y++)
            for (int x = 0; x < 6; x++) EXPECT_EQ(GetPixel(dc, x, y), Colour(x, y)) << x << "," << y;
    }
}

TEST_F(Picture, EightBitsThroughAPaletteKeepItsColours) {
    // A palette holding four of the picture's colours; the rest of the picture maps to its nearest entry.
    std::vector<uint8_t> block(sizeof(LOGPALETTE) + 4 * sizeof(PALETTEENTRY));
    LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(block.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = 4;
    for (int i = 0; i < 4; i++) {
        COLORREF c = Colour(i, 0);
        lp->palPalEntry[i] = {GetRValue(c), GetGValue(c), GetBValue(c), 0};
    }
    HPALETTE palette = CreatePalette(lp);
    HPALETTE previous = SelectPalette(screen, palette, FALSE);
    RealizePalette(screen);
    SelectObject(dc, old);  // the bitmap is read while no DC holds it, as saving does
    Dib dib(6, -4, 8);
    ASSERT_EQ(GetDIBits(screen, bitmap, 0, 4, dib.pixels.data(), dib.info(), DIB_RGB_COLORS), 4);
    SelectPalette(screen, previous, FALSE);
    DeleteObject(palette);
    SelectObject(dc, bitmap);
    for (int i = 0; i < 4; i++) {
        COLORREF c = Colour(i, 0);
        EXPECT_EQ(RGB(dib.colour(i).rgbRed, dib.colour(i).rgbGreen, dib.colour(i).rgbBlue), c) << i;
        EXPECT_EQ(dib.pixels[size_t(i)], i) << "column " << i;
    }
    // Every pixel takes the table entry nearest to it, over all 256.
    for (int y = 0; y < 4; y++) {
        for (int x = 0; x < 6; x++) {
            COLORREF c = Colour(x, y);
            auto distance = [&](int i) {
                int dr = GetRValue(c) - dib.colour(i).rgbRed, dg = GetGValue(c) - dib.colour(i).rgbGreen,
                    db = GetBValue(c) - dib.colour(i).rgbBlue;
                return dr * dr + dg * dg + db * db;
            };
            int chosen = dib.pixels[size_t(y * 8 + x)];
            for (int i = 0; i < 256; i++) EXPECT_LE(distance(chosen), distance(i)) << x << "," << y;
        }
    }
}

TEST(DefaultTables, ColoursMatchAsTheReferenceMatchesThem) {
    struct Case {
        int bits;
        COLORREF colour, expected;
    };
    const Case cases[] = {
        {8, RGB(255, 255, 247), RGB(255, 251, 240)},  // at 5 bits a channel cream is nearer than white
        {8, RGB(255, 251, 240), RGB(255, 251, 240)},  // a colour the table holds keeps its entry
        {8, RGB(64, 64, 64), RGB(64, 64, 64)},
        {4, RGB(160, 160, 160), RGB(128, 128, 128)},  // a tie: the greys come the other way round
        {4, RGB(64, 60, 58), RGB(0, 0, 0)},           // a tie goes to the earlier entry
        {4, RGB(255, 255, 247), RGB(255, 255, 255)},
    };
    for (const Case& c : cases) {
        MemoryDc m(1, 1);
        SetPixel(m.dc, 0, 0, c.colour);
        Dib dib(1, 1, c.bits);
        ASSERT_EQ(GetDIBits(m.dc, m.bitmap, 0, 1, dib.pixels.data(), dib.info(), DIB_RGB_COLORS), 1);
        int index = c.bits == 8 ? dib.pixels[0] : dib.pixels[0] >> 4;
        const RGBQUAD& q = dib.colour(index);
        EXPECT_EQ(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue), c.expected) << c.bits << " bits, colour " << c.colour;
    }
}

TEST_F(Picture, MonochromeBitmapsReadAsBlackAndWhiteBits) {
    HBITMAP mask = CreateBitmap(10, 2, 1, 1, nullptr);
    HDC maskDc = CreateCompatibleDC(screen);
    HGDIOBJ before = SelectObject(maskDc, mask);
    PatBlt(maskDc, 0, 0, 10, 2, WHITENESS);
    SetPixel(maskDc, 1, 0, kBlack);
    SetPixel(maskDc, 9, 1, kBlack);
    SelectObject(maskDc, before);
    Dib dib(10, -2, 1);
    ASSERT_EQ(GetDIBits(screen, mask, 0, 2, dib.pixels.data(), dib.info(), DIB_RGB_COLORS), 2);
    EXPECT_EQ(dib.colour(0).rgbRed, 0);
    EXPECT_EQ(dib.colour(1).rgbRed, 255);
    // Rows of 4 bytes; bit 7 of the first byte is the leftmost pixel, a set bit white.
    EXPECT_EQ(std::vector<uint8_t>({dib.pixels[0], dib.pixels[1], dib.pixels[4], dib.pixels[5]}),
              std::vector<uint8_t>({0xBF, 0xC0, 0xFF, 0x80}));
    DeleteDC(maskDc);
    DeleteObject(mask);
}

TEST_F(Picture, UnusableHeadersAndHandlesAreRefusedAndChangeNothing) {
    Dib good(6, 4, 24);
    ASSERT_EQ(GetDIBits(screen, bitmap, 0, 4, good.pixels.data(), good.info(), DIB_RGB_COLORS), 4);
    PatBlt(dc, 0, 0, 6, 4, WHITENESS);
    auto refused = [&](void (*spoil)(BITMAPINFOHEADER&)) {
        Dib dib = good;
        spoil(dib.header());
        return StretchDIBits(dc, 0, 0, 6, 4, 0, 0, 6, 4, dib.pixels.data(), dib.info(), DIB_RGB_COLORS, SRCCOPY) == 0;
    };
    EXPECT_TRUE(refused([](BITMAPINFOHEADER& h) { h.biWidth = 0; }));
    EXPECT_TRUE(refused([](BITMAPINFOHEADER& h) { h.biWidth = -6; }));
    EXPECT_TRUE(refused([](BITMAPINFOHEADER& h) { h.biHeight = 0; }));
    EXPECT_TRUE(refused([](BITMAPINFOHEADER& h) { h.biWidth = 1 << 24; }));
    EXPECT_TRUE(refused([](BITMAPINFOHEADER& h) { h.biBitCount = 7; }));
    EXPECT_TRUE(refused([](BITMAPINFOHEADER& h) { h.biCompression = BI_RLE8; }));
    EXPECT_TRUE(refused([](BITMAPINFOHEADER& h) { h.biCompression = BI_RLE4; }));
    EXPECT_TRUE(refused([](BITMAPINFOHEADER& h) { h.biCompression = BI_BITFIELDS; }));
    EXPECT_TRUE(refused([](BITMAPINFOHEADER& h) { h.biCompression = 4; }));
    EXPECT_TRUE(refused([](BITMAPINFOHEADER& h) { h.biBitCount = 8, h.biCompression = BI_RLE8, h.biHeight = -4; }));
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 6, 4, 0, 0, 6, 4, nullptr, good.info(), DIB_RGB_COLORS, SRCCOPY), 0);
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 6, 4, 0, 0, 6, 4, good.pixels.data(), nullptr, DIB_RGB_COLORS, SRCCOPY), 0);
    for (int y = 0; y < 4; y++)
        for (int x = 0; x < 6; x++) EXPECT_EQ(GetPixel(dc, x, y), kWhite);

    HBITMAP gone = CreateCompatibleBitmap(screen, 2, 2);
    DeleteObject(gone);
    Dib dib(2, 2, 24);
    EXPECT_EQ(GetDIBits(screen, gone, 0, 2, dib.pixels.data(), dib.info(), DIB_RGB_COLORS), 0);
    EXPECT_EQ(GetDIBits(screen, nullptr, 0, 2, dib.pixels.data(), dib.info(), DIB_RGB_COLORS), 0);
    EXPECT_EQ(GetDIBits(screen, bitmap, 0, 2, dib.pixels.data(), nullptr, DIB_RGB_COLORS), 0);
}

// Runs that claim more than their row, their picture or their bytes hold are cut where those end.
TEST_F(Picture, RunLengthsThatOverreachAreCut) {
    Dib dib(6, 4, 8);
    for (int i = 0; i < 4; i++) dib.colour(i) = {BYTE(10 * i), BYTE(20 * i), BYTE(200 - 10 * i), 0};
    dib.header().biClrUsed = 4;
    dib.header().biCompression = BI_RLE8;
    dib.pixels = {
        200, 1,              // bottom row: a run of 200 cut at 6 pixels
        0, 0,                // end of line
        0, 2, 9, 0,          // a jump right beyond the row's end (x stops at 6)
        2, 3,                // so this run is cut to nothing
        0, 0,                // end of line: the third row
        0, 2, 0, 9,          // a jump up beyond the top ends the picture
        5, 2,                // never drawn
        0, 9, 3, 3, 3,       // and an absolute run longer than the bytes left, never read
    };
    dib.header().biSizeImage = DWORD(dib.pixels.size());
    PatBlt(dc, 0, 0, 6, 4, WHITENESS);
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 6, 4, 0, 0, 6, 4, dib.pixels.data(), dib.info(), DIB_RGB_COLORS, SRCCOPY), 4);
    for (int x = 0; x < 6; x++) {
        EXPECT_EQ(GetPixel(dc, x, 3), RGB(200 - 10, 20, 10)) << x;
        for (int y = 0; y < 3; y++) EXPECT_EQ(GetPixel(dc, x, y), kWhite) << x << ", " << y;
    }
    // Stretched, the pixels the runs skipped take colour 0.
    EXPECT_EQ(StretchDIBits(dc, 0, 0, 3, 2, 0, 0, 6, 4, dib.pixels.data(), dib.info(), DIB_RGB_COLORS, SRCCOPY), 4);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(200, 0, 0));
}

}  // namespace
