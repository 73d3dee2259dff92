// Picture files whose headers claim more than their bits hold cost no more memory to open and preview than
// the drawing and the file need, and run-length pictures the program takes draw the pixels the same
// picture draws from plain rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "dib/dib.h"
#include "tests/platform/peak_memory.h"
#include "tests/platform/surfaces.h"
#include "tests/platform/temp_folder.h"

namespace {

void Append(std::vector<uint8_t>& bytes, uint64_t value, int size) {
    for (int i = 0; i < size; i++) bytes.push_back(uint8_t(value >> (8 * i)));
}

// A picture file with the file header, its bits right behind the table.
std::vector<uint8_t> PictureFile(int32_t width, int32_t height, uint16_t bitCount, uint32_t compression,
                                 uint32_t statedSize, const std::vector<uint8_t>& table,
                                 const std::vector<uint8_t>& bits) {
    std::vector<uint8_t> file;
    uint32_t offBits = 14 + 40 + uint32_t(table.size());
    Append(file, 0x4D42, 2);
    Append(file, offBits + bits.size(), 4);
    Append(file, 0, 4);
    Append(file, offBits, 4);
    BITMAPINFOHEADER info = {40, width, height, 1, bitCount, compression, statedSize, 0, 0, DWORD(table.size() / 4), 0};
    const auto* header = reinterpret_cast<const uint8_t*>(&info);
    file.insert(file.end(), header, header + sizeof info);
    file.insert(file.end(), table.begin(), table.end());
    file.insert(file.end(), bits.begin(), bits.end());
    return file;
}

// Sixteen colours: index 0 white, 1 red, the rest mixtures.
std::vector<uint8_t> SixteenColours() {
    std::vector<uint8_t> table = {255, 255, 255, 0, 0, 0, 255, 0};
    for (int i = 2; i < 16; i++) table.insert(table.end(), {uint8_t(17 * i), uint8_t(255 - 9 * i), uint8_t(13 * i), 0});
    return table;
}

// Every row of width pixels as runs of 255 pixels of one colour (for 4 bits, of the two in the byte taking
// turns), then the end of the line; the end of the picture after the last.
std::vector<uint8_t> UniformRuns(int width, int height, uint8_t colour) {
    std::vector<uint8_t> runs;
    for (int row = 0; row < height; row++) {
        for (int x = 0; x < width; x += 255) runs.insert(runs.end(), {uint8_t(std::min(255, width - x)), colour});
        runs.insert(runs.end(), {0, 0});
    }
    runs.insert(runs.end(), {0, 1});
    return runs;
}

class PictureClaims : public TempFolder {
protected:
    static std::string Save(const std::vector<uint8_t>& bytes) {
        std::ofstream("picture.bmp", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return "picture.bmp";
    }
};

// Opened and previewed as the chooser does, into a cell and over a canvas, ANDing the pixels that fall
// together so that every row is read.
int OpenAndPreview(const std::string& fileName) {
    HGLOBAL block = ReadDibFile(fileName.c_str());
    if (!block) return 0;
    MemoryDc cell(200, 150), canvas(590, 408);
    SetStretchBltMode(cell.dc, BLACKONWHITE);
    SetStretchBltMode(canvas.dc, BLACKONWHITE);
    bool drawn = StretchDibToDevice(cell.dc, 0, 0, 200, 150, block, 0, 0, -1, -1, SRCCOPY) != 0 &&
                 StretchDibToDevice(canvas.dc, 0, 0, 590, 408, block, 0, 0, -1, -1, SRCCOPY) != 0;
    GlobalFree(block);
    return drawn ? 1 : 2;
}

TEST_F(PictureClaims, LyingHeadersCostNoMoreThanTheDrawingAndTheFile) {
    struct Claim {
        const char* what;
        std::vector<uint8_t> file;
        bool taken;
    };
    std::vector<uint8_t> table = SixteenColours();
    std::vector<uint8_t> giantRuns;
    for (int row = 0; row < 250; row++) giantRuns.insert(giantRuns.end(), {255, 1, 0, 0});
    giantRuns.insert(giantRuns.end(), {0, 1});
    const Claim claims[] = {
        {"a kilobyte of runs claiming 16384 x 16384 pixels",
         PictureFile(16384, 16384, 8, BI_RLE8, uint32_t(giantRuns.size()), table, giantRuns), false},
        {"a kilobyte of runs claiming 8192 x 8192 pixels, 64 Mi",
         PictureFile(8192, 8192, 8, BI_RLE8, uint32_t(giantRuns.size()), table, giantRuns), false},
        {"runs of 4000 x 4000 pixels stating 250 MB",
         PictureFile(4000, 4000, 4, BI_RLE4, 250u << 20, table, UniformRuns(4000, 4000, 0x23)), true},
        {"a kilobyte of rows claiming 8192 x 8192 pixels, stating 64 MB",
         PictureFile(8192, 8192, 8, BI_RGB, 64u << 20, table, std::vector<uint8_t>(1024, 1)), false},
        {"rows of 300 x 200 pixels stating 200 MB",
         PictureFile(300, 200, 24, BI_RGB, 200u << 20, {}, std::vector<uint8_t>(900 * 200, 0x5A)), true},
        {"a kilobyte of one bit a pixel claiming 16384 x 4097 pixels",
         PictureFile(16384, 4097, 1, BI_RGB, 0, {0, 0, 0, 0, 255, 255, 255, 0}, std::vector<uint8_t>(1024, 1)), false},
    };
    for (const Claim& claim : claims) {
        SCOPED_TRACE(claim.what);
        std::string fileName = Save(claim.file);
        dab_test::PeakOfWork peak = dab_test::MeasurePeak([&] { return OpenAndPreview(fileName); });
        ASSERT_TRUE(peak.measured);
        EXPECT_EQ(peak.result, claim.taken ? 1 : 0);
        EXPECT_LT(peak.extraBytes, int64_t(claim.file.size()) + (int64_t(4) << 20));
    }
}

// A 16-colour picture of blocks, stripes and single pixels, as plain 8-bit rows and as runs of 8 and of 4
// bits, each run and absolute run writing its pixels.
struct SamePicture {
    static constexpr int kWidth = 301, kHeight = 223;
    static int Index(int x, int y) {
        if (y % 50 < 20) return (x / 37 + y / 50) % 16;
        if (y % 7 == 0) return (x * 7 + y) % 16;
        return x < 120 ? 1 : (x / 3) % 2 == 0 ? 5 : 9;
    }
    // Bottom row first; single pixels go in absolute runs, repeats in runs of one colour.
    static std::vector<uint8_t> Runs(bool four) {
        std::vector<uint8_t> runs;
        for (int y = kHeight - 1; y >= 0; y--) {
            for (int x = 0; x < kWidth;) {
                int same = 1;
                while (x + same < kWidth && same < 255 && Index(x + same, y) == Index(x, y)) same++;
                if (same >= 3 || kWidth - x < 3) {
                    int colour = Index(x, y);
                    runs.insert(runs.end(), {uint8_t(same), uint8_t(four ? colour * 17 : colour)});
                    x += same;
                    continue;
                }
                int count = 0;
                while (x + count < kWidth && count < 255 && Index(x + count, y) != Index(x + count + 1, y)) count++;
                count = std::max(count, 3);
                count = std::min(count, kWidth - x);
                runs.insert(runs.end(), {0, uint8_t(count)});
                std::vector<uint8_t> data;
                for (int k = 0; k < count; k++) {
                    if (!four)
                        data.push_back(uint8_t(Index(x + k, y)));
                    else if (k % 2 == 0)
                        data.push_back(uint8_t(Index(x + k, y) << 4));
                    else
                        data.back() |= uint8_t(Index(x + k, y));
                }
                if (data.size() % 2) data.push_back(0);
                runs.insert(runs.end(), data.begin(), data.end());
                x += count;
            }
            runs.insert(runs.end(), {0, 0});
        }
        runs.insert(runs.end(), {0, 1});
        return runs;
    }
    static std::vector<uint8_t> Rows() {
        int rowSize = (kWidth + 3) / 4 * 4;
        std::vector<uint8_t> rows(size_t(rowSize) * kHeight, 0);
        for (int y = 0; y < kHeight; y++)
            for (int x = 0; x < kWidth; x++)
                rows[size_t(kHeight - 1 - y) * size_t(rowSize) + size_t(x)] = uint8_t(Index(x, y));
        return rows;
    }
};

TEST_F(PictureClaims, RunLengthPicturesDrawAsTheirPlainRows) {
    std::vector<uint8_t> table = SixteenColours();
    std::vector<uint8_t> runs8 = SamePicture::Runs(false), runs4 = SamePicture::Runs(true);
    const int w = SamePicture::kWidth, h = SamePicture::kHeight;
    const std::pair<const char*, std::vector<uint8_t>> files[] = {
        {"plain", PictureFile(w, h, 8, BI_RGB, 0, table, SamePicture::Rows())},
        {"runs of 8 bits", PictureFile(w, h, 8, BI_RLE8, uint32_t(runs8.size()), table, runs8)},
        {"runs of 4 bits", PictureFile(w, h, 4, BI_RLE4, uint32_t(runs4.size()), table, runs4)},
    };
    struct Drawing {
        const char* what;
        int mode;
        int x, y, w, h, sx, sy, sw, sh;
    };
    const Drawing drawings[] = {
        {"a preview, dropping pixels", COLORONCOLOR, 7, 5, 200, 150, 0, 0, -1, -1},
        {"a preview, ANDing pixels", BLACKONWHITE, 7, 5, 200, 150, 0, 0, -1, -1},
        {"a preview, ORing pixels", WHITEONBLACK, 7, 5, 200, 150, 0, 0, -1, -1},
        {"over the canvas", COLORONCOLOR, 0, 0, 590, 408, 0, 0, -1, -1},
        {"at its size", BLACKONWHITE, 3, 4, w, h, 0, 0, -1, -1},
        {"a part beyond its corner", BLACKONWHITE, 0, 0, 590, 408, -20, -30, 320, 260},
        {"a part at its size", COLORONCOLOR, 10, 10, 100, 80, 50, 60, 100, 80},
        {"mirrored", BLACKONWHITE, 400, 300, -250, -190, 0, 0, -1, -1},
    };
    for (const Drawing& d : drawings) {
        SCOPED_TRACE(d.what);
        std::vector<std::vector<COLORREF>> drawn;
        for (const auto& [kind, bytes] : files) {
            SCOPED_TRACE(kind);
            HGLOBAL block = ReadDibFile(Save(bytes).c_str());
            ASSERT_NE(block, nullptr);
            MemoryDc canvas(600, 420);
            PatBlt(canvas.dc, 0, 0, 600, 420, BLACKNESS);
            SetStretchBltMode(canvas.dc, d.mode);
            EXPECT_NE(StretchDibToDevice(canvas.dc, d.x, d.y, d.w, d.h, block, d.sx, d.sy, d.sw, d.sh, SRCCOPY), 0);
            GlobalFree(block);
            std::vector<COLORREF> pixels;
            for (int y = 0; y < 420; y++)
                for (int x = 0; x < 600; x++) pixels.push_back(GetPixel(canvas.dc, x, y));
            drawn.push_back(std::move(pixels));
        }
        EXPECT_NE(drawn[0], std::vector<COLORREF>(drawn[0].size(), kBlack)) << "the picture is drawn";
        EXPECT_TRUE(drawn[1] == drawn[0]) << "runs of 8 bits";
        EXPECT_TRUE(drawn[2] == drawn[0]) << "runs of 4 bits";
    }
}

}  // namespace
