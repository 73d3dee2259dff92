// A run-length picture of a kilobyte that claims a huge size costs StretchDIBits no more memory than the
// destination it draws, whichever way it is drawn, and draws the pixels its runs describe.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "peak_memory.h"
#include "platform/win32.h"
#include "surfaces.h"

namespace {

// Far above what a 200 x 150 destination needs, far below what a picture of the claimed size would cost.
constexpr int64_t kMostExtraBytes = int64_t(4) << 20;

// Colour 1 (red) over the 255 leftmost pixels of the 250 bottom rows, colour 0 (white) elsewhere: 1002
// bytes of runs.
struct GiantRuns {
    explicit GiantRuns(int side) {
        for (int row = 0; row < 250; row++) runs.insert(runs.end(), {255, 1, 0, 0});
        runs.insert(runs.end(), {0, 1});
        header.bmiHeader = {sizeof(BITMAPINFOHEADER), side, side, 1, 8, BI_RLE8, DWORD(runs.size()), 0, 0, 2, 0};
        header.colours[0] = {255, 255, 255, 0};
        header.colours[1] = {0, 0, 255, 0};
    }
    const BITMAPINFO* info() const { return reinterpret_cast<const BITMAPINFO*>(&header); }

    struct {
        BITMAPINFOHEADER bmiHeader;
        RGBQUAD colours[2];
    } header;
    std::vector<uint8_t> runs;
};

struct Drawing {
    const char* what;
    int side;  // the picture's claimed width and height
    int mode;
    int x, y, w, h, sx, sy, sw, sh;
    std::vector<PixelIs> pixels;  // on a green destination
};

TEST(GiantRunLengthPicture, CostsTheDestinationNotTheClaimedSize) {
    const Drawing drawings[] = {
        // Destination row 149 shows source row 108 from the bottom, 148 row 217, 147 row 327; column 2 shows
        // source column 245, column 3 column 327.
        {"a preview, dropping pixels",
         16384,
         COLORONCOLOR,
         0,
         0,
         200,
         150,
         0,
         0,
         16384,
         16384,
         {{0, 149, kRed}, {2, 148, kRed}, {3, 149, kWhite}, {0, 147, kWhite}, {100, 75, kWhite}}},
        // Row 147 ANDs rows 217 to 326, column 3 columns 246 to 327: some of each are red.
        {"a preview, ANDing pixels",
         16384,
         BLACKONWHITE,
         0,
         0,
         200,
         150,
         0,
         0,
         16384,
         16384,
         {{3, 147, kRed}, {4, 149, kWhite}, {0, 146, kWhite}, {199, 0, kWhite}}},
        // The bottom 150 rows at their size, from column 100: what the runs skipped keeps the destination.
        {"at its size, SRCCOPY",
         16384,
         COLORONCOLOR,
         -100,
         150 - 16384,
         16384,
         16384,
         0,
         0,
         16384,
         16384,
         {{0, 0, kRed}, {154, 149, kRed}, {155, 0, kGreen}, {199, 149, kGreen}}},
        {"mirrored, from beyond its corner",
         16384,
         COLORONCOLOR,
         200,
         0,
         -200,
         150,
         -50,
         -50,
         16484,
         16484,
         {{100, 75, kWhite}}},
        {"the largest claim, ANDing pixels",
         65536,
         BLACKONWHITE,
         0,
         0,
         200,
         150,
         0,
         0,
         65536,
         65536,
         {{0, 149, kRed}, {1, 149, kWhite}, {0, 148, kWhite}}},
    };
    for (const Drawing& d : drawings) {
        SCOPED_TRACE(d.what);
        GiantRuns picture(d.side);
        MemoryDc destination(200, 150);
        HDC dc = destination.dc;
        SetStretchBltMode(dc, d.mode);
        auto draw = [&] {
            PatBlt(dc, 0, 0, 200, 150, BLACKNESS);
            HBRUSH green = CreateSolidBrush(kGreen);
            RECT all = {0, 0, 200, 150};
            FillRect(dc, &all, green);
            DeleteObject(green);
            return StretchDIBits(dc, d.x, d.y, d.w, d.h, d.sx, d.sy, d.sw, d.sh, picture.runs.data(), picture.info(),
                                 DIB_RGB_COLORS, SRCCOPY);
        };
        dab_test::PeakOfWork peak = dab_test::MeasurePeak(draw);
        ASSERT_TRUE(peak.measured);
        EXPECT_EQ(peak.result, d.sh);
        EXPECT_LT(peak.extraBytes, kMostExtraBytes);
        ASSERT_EQ(draw(), d.sh);
        for (const PixelIs& p : d.pixels) EXPECT_EQ(GetPixel(dc, p.x, p.y), p.colour) << "at " << p.x << ", " << p.y;
    }
}

}  // namespace
