// Handles, device contexts, object selection and deletion, colours and raster operation tables.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/rop.h"
#include "platform/win32.h"
#include "surfaces.h"

namespace {

TEST(Handles, NullAndStaleHandlesFailQuietly) {
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    ASSERT_NE(pen, nullptr);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_FALSE(DeleteObject(pen));
    // A new object in the same slot must not answer to the old handle.
    HPEN other = CreatePen(PS_SOLID, 1, 0);
    LOGPEN lp{};
    EXPECT_EQ(GetObjectA(pen, sizeof lp, &lp), 0);
    EXPECT_EQ(GetObjectA(other, sizeof lp, &lp), int(sizeof lp));
    DeleteObject(other);

    EXPECT_EQ(SelectObject(nullptr, GetStockObject(BLACK_PEN)), nullptr);
    EXPECT_EQ(SetPixel(nullptr, 0, 0, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
    EXPECT_EQ(SetROP2(nullptr, R2_XORPEN), 0);
    EXPECT_FALSE(DeleteDC(nullptr));
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 4, 4), nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
}

TEST(Objects, SelectionReturnsThePreviousObjectAndDeletionWaitsForIt) {
    MemoryDc m(8, 8);
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    HGDIOBJ previous = SelectObject(m.dc, brush);
    EXPECT_EQ(previous, GetStockObject(WHITE_BRUSH));
    // Deleted while selected: still usable by the DC until it lets go.
    EXPECT_TRUE(DeleteObject(brush));
    LOGBRUSH lb{};
    EXPECT_EQ(GetObjectA(brush, sizeof lb, &lb), int(sizeof lb));
    EXPECT_EQ(lb.lbColor, RGB(10, 20, 30));
    EXPECT_EQ(SelectObject(m.dc, previous), brush);
    EXPECT_EQ(GetObjectA(brush, sizeof lb, &lb), 0);
    // Stock objects survive deletion.
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
    EXPECT_NE(GetObjectA(GetStockObject(BLACK_PEN), sizeof(LOGPEN), nullptr), 0);
    // Palettes are selected with SelectPalette only.
    EXPECT_EQ(SelectObject(m.dc, GetStockObject(DEFAULT_PALETTE)), nullptr);
}

TEST(Objects, FillRectSelectsItsBrushForTheCall) {
    MemoryDc m(4, 1), other(1, 1);
    RECT first{0, 0, 1, 1}, second{1, 0, 2, 1}, third{2, 0, 3, 1};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0)), doomed = CreateSolidBrush(RGB(0, 0, 255));
    HBRUSH held = CreateSolidBrush(RGB(0, 255, 0));
    // A brush deleted while another DC holds it cannot be selected: the DC's own fills.
    SelectObject(other.dc, held);
    DeleteObject(held);
    FillRect(m.dc, &first, held);
    EXPECT_EQ(GetPixel(m.dc, 0, 0), RGB(255, 255, 255));
    // The previous brush comes back, unless it was deleted while selected: then FillRect's stays.
    SelectObject(m.dc, doomed);
    FillRect(m.dc, &second, red);
    EXPECT_EQ(GetPixel(m.dc, 1, 0), RGB(255, 0, 0));
    EXPECT_EQ(SelectObject(m.dc, doomed), doomed);
    DeleteObject(doomed);
    FillRect(m.dc, &third, red);
    EXPECT_EQ(GetPixel(m.dc, 2, 0), RGB(255, 0, 0));
    EXPECT_EQ(SelectObject(m.dc, GetStockObject(WHITE_BRUSH)), red);
    SelectObject(other.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(red);
}

TEST(Objects, ABitmapLivesInOneDcAtATime) {
    MemoryDc m(4, 4);
    HDC second = CreateCompatibleDC(m.screen);
    EXPECT_EQ(SelectObject(second, m.bitmap), nullptr);
    HBITMAP mine = CreateCompatibleBitmap(m.screen, 2, 2);
    HGDIOBJ first = SelectObject(second, mine);
    ASSERT_NE(first, nullptr);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(first, sizeof bm, &bm), int(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    // Window DCs cannot hold bitmaps.
    EXPECT_EQ(SelectObject(m.screen, mine), nullptr);
    SelectObject(second, first);
    DeleteDC(second);
    EXPECT_TRUE(DeleteObject(mine));
}

TEST(Objects, BitmapsDescribeThemselves) {
    MemoryDc m(5, 3);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(m.bitmap, sizeof bm, &bm), int(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 5);
    EXPECT_EQ(bm.bmHeight, 3);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmWidthBytes, 20);
    HBITMAP mono = CreateBitmap(17, 2, 1, 1, nullptr);
    ASSERT_EQ(GetObjectA(mono, sizeof bm, &bm), int(sizeof bm));
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(bm.bmWidthBytes, 4);  // rows are word aligned
    EXPECT_EQ(GetBitmapBits(mono, 0, nullptr), 8);
    DeleteObject(mono);
    EXPECT_EQ(CreateCompatibleBitmap(m.screen, -1, 4), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(m.screen, 1 << 20, 1 << 20), nullptr);
}

TEST(Objects, MonochromeBitsRoundTrip) {
    const uint8_t bits[4] = {0xA5, 0x80, 0x0F, 0x00};
    HBITMAP mono = CreateBitmap(9, 2, 1, 1, bits);
    uint8_t back[4] = {};
    ASSERT_EQ(GetBitmapBits(mono, 4, back), 4);
    EXPECT_EQ(std::vector<uint8_t>(back, back + 4), std::vector<uint8_t>(bits, bits + 4));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, mono);
    // A pixel set takes the nearest of black and white.
    SetPixel(dc, 1, 1, RGB(200, 200, 200));
    ExpectPixels(dc, {{0, 0, kWhite}, {1, 0, kBlack}, {8, 0, kWhite}, {1, 1, kWhite}});
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(mono);
}

TEST(Colours, PaletteRelativeAndIndexedColours) {
    MemoryDc m(4, 1);
    EXPECT_EQ(SetPixel(m.dc, 0, 0, PALETTERGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GetPixel(m.dc, 0, 0), RGB(1, 2, 3));
    struct {
        LOGPALETTE head;
        PALETTEENTRY more[1];
    } lp{{0x300, 2, {{9, 8, 7, 0}}}, {{4, 5, 6, 0}}};
    HPALETTE palette = CreatePalette(&lp.head);
    ASSERT_NE(palette, nullptr);
    HPALETTE old = SelectPalette(m.dc, palette, FALSE);
    EXPECT_EQ(old, GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(SetPixel(m.dc, 1, 0, PALETTEINDEX(1)), RGB(4, 5, 6));
    EXPECT_EQ(SetPixel(m.dc, 2, 0, PALETTEINDEX(7)), RGB(9, 8, 7));  // out of range: entry 0
    SelectPalette(m.dc, old, FALSE);
    DeleteObject(palette);
    EXPECT_EQ(SetPixel(m.dc, 4, 0, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(m.dc, -1, 0), CLR_INVALID);
}

TEST(Rops, BinaryOperationsMatchTheirTruthTables) {
    const uint32_t pen = 0x00F0CC0F, dst = 0x00AA55A5;
    const uint32_t m = 0x00FFFFFF;
    struct Case {
        int mode;
        uint32_t expected;
    } cases[] = {
        {R2_BLACK, 0},
        {R2_NOTMERGEPEN, ~(pen | dst) & m},
        {R2_MASKNOTPEN, ~pen & dst & m},
        {R2_NOTCOPYPEN, ~pen & m},
        {R2_MASKPENNOT, pen & ~dst & m},
        {R2_NOT, ~dst & m},
        {R2_XORPEN, pen ^ dst},
        {R2_NOTMASKPEN, ~(pen & dst) & m},
        {R2_MASKPEN, pen & dst},
        {R2_NOTXORPEN, ~(pen ^ dst) & m},
        {R2_NOP, dst},
        {R2_MERGENOTPEN, (~pen | dst) & m},
        {R2_COPYPEN, pen},
        {R2_MERGEPENNOT, (pen | ~dst) & m},
        {R2_MERGEPEN, pen | dst},
        {R2_WHITE, m},
    };
    for (const Case& c : cases) EXPECT_EQ(gdi::MakeRop2(c.mode, pen).apply(dst), c.expected) << c.mode;
}

TEST(Rops, TernaryOperationsEvaluateEveryTruthTable) {
    const uint32_t p = 0x00F0F00F, s = 0x00CCCC33, d = 0x00AA55AA;  // every byte holds all eight cases
    for (int code = 0; code < 256; code++) {
        gdi::Rop3 rop = gdi::MakeRop3(uint32_t(code) << 16);
        uint32_t got = rop.apply(p, s, d);
        for (int bit = 0; bit < 24; bit++) {
            int index = (((p >> bit) & 1) << 2) | (((s >> bit) & 1) << 1) | ((d >> bit) & 1);
            ASSERT_EQ((got >> bit) & 1, uint32_t((code >> index) & 1)) << "rop " << code << " bit " << bit;
        }
    }
    EXPECT_FALSE(gdi::MakeRop3(PATCOPY).usesSource());
    EXPECT_TRUE(gdi::MakeRop3(SRCCOPY).usesSource());
    EXPECT_FALSE(gdi::MakeRop3(SRCCOPY).usesDestination());
    EXPECT_TRUE(gdi::MakeRop3(DSTINVERT).usesDestination());
    EXPECT_EQ(gdi::Rop2FromRop3(gdi::MakeRop3(PATCOPY)), R2_COPYPEN);
    EXPECT_EQ(gdi::Rop2FromRop3(gdi::MakeRop3(PATINVERT)), R2_XORPEN);
    EXPECT_EQ(gdi::Rop2FromRop3(gdi::MakeRop3(DSTINVERT)), R2_NOT);
    EXPECT_EQ(gdi::Rop2FromRop3(gdi::MakeRop3(WHITENESS)), R2_WHITE);
}

TEST(Rops, HatchGapsTakeTheOperationWithoutItsPatternPasses) {
    for (int code = 0; code < 256; code++) {
        gdi::Rop3 rop = gdi::MakeRop3(uint32_t(code) << 16), gap = gdi::HatchGapRop3(rop);
        EXPECT_FALSE(gap.usesPattern()) << code;
        // An operation without the pattern is worked as it is; one of pattern and destination leaves the
        // destination.
        bool known = !rop.usesPattern() || !rop.usesSource();
        EXPECT_TRUE(!known || gap.code == (rop.usesPattern() ? 0xAA : rop.code)) << code;
    }
    struct Case {
        uint32_t rop;
        uint8_t gap;
    };
    const Case cases[] = {
        {MERGECOPY, 0xCC},  // PSa: the source
        {PATPAINT, 0xEE},   // DPSnoo: D | S
        {0xB8074A, 0x88},   // PSDPxax: S & D
        {0xE20746, 0x22},   // DSPDxax: D & ~S
        {0x020C89, 0x88},   // DPSona: S & D
    };
    for (const Case& c : cases) EXPECT_EQ(gdi::HatchGapRop3(gdi::MakeRop3(c.rop)).code, c.gap) << c.rop;
}

TEST(DeviceCaps, TheScreenIsATrueColourDevice) {
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(screen, PLANES), 1);
    EXPECT_GT(GetDeviceCaps(screen, HORZRES), 0);
    EXPECT_GT(GetDeviceCaps(screen, VERTRES), 0);
    EXPECT_EQ(GetDeviceCaps(screen, RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_NE(GetDeviceCaps(screen, RASTERCAPS) & RC_STRETCHBLT, 0);
    ReleaseDC(nullptr, screen);
}

}  // namespace
