// The frame and chooser bitmaps and the supplied pictures as committed: what the program reads, at the
// sizes it draws them, in its own colours, and the same bytes as the tool makes from the sources.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>

#include "base/colours.h"
#include "pictures_tool.h"

using namespace dab_test;

namespace {

struct Size {
    int width, height;
};

Size ExpectedSize(const std::string& name) {
    static const std::map<std::string, Size> frameParts = {
        {"A1.MUB", {118, 70}}, {"A2.MUB", {50, 290}}, {"A3.MUB", {30, 72}}, {"A4.MUB", {30, 72}}};
    auto part = frameParts.find(name);
    // Every picture fits a 640 × 480 screen's canvas unscaled.
    return part != frameParts.end() ? part->second : Size{590, 408};
}

class PicturesFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite() { fresh_ = new FreshPictures; }
    static void TearDownTestSuite() {
        delete fresh_;
        fresh_ = nullptr;
    }
    static FreshPictures* fresh_;
};

FreshPictures* PicturesFiles::fresh_ = nullptr;

TEST_F(PicturesFiles, TheToolMakesTheFrameBitmapsAndEnoughPictures) {
    ASSERT_TRUE(std::filesystem::exists(PicturesTool())) << PicturesTool() << " is built with the rest of dab";
    ASSERT_EQ(fresh_->run().status, 0) << fresh_->run().output;
    const std::vector<std::string>& names = fresh_->names();
    for (const char* part : {"A1.MUB", "A2.MUB", "A3.MUB", "A4.MUB"})
        EXPECT_NE(std::find(names.begin(), names.end(), part), names.end()) << part;
    int colouring = 0, ordinary = 0;
    for (const std::string& name : names) {
        if (name.ends_with(".MUB")) continue;
        EXPECT_TRUE(name.ends_with(".BMP")) << name;
        // A slot of the picture list holds 14 characters.
        EXPECT_LE(name.size(), 14u) << name;
        (IsColouringPicture(name) ? colouring : ordinary)++;
    }
    EXPECT_GE(colouring, 8);
    EXPECT_GE(ordinary, 4);
    // Each colouring picture the tool makes is one that the fill test colours in.
    std::vector<std::string> made;
    std::copy_if(names.begin(), names.end(), std::back_inserter(made), IsColouringPicture);
    EXPECT_EQ(made, ColouringPictures());
}

TEST_F(PicturesFiles, CommittedFilesAreWhatTheToolMakes) {
    ASSERT_FALSE(fresh_->names().empty());
    for (const std::string& name : fresh_->names()) {
        std::filesystem::path committed = ProgramFolder() / name;
        ASSERT_TRUE(std::filesystem::exists(committed)) << name << " is not in data/: run the pictures target";
        EXPECT_TRUE(FileBytes(committed) == FileBytes(fresh_->folder() / name))
            << name << " in data/ is out of date: run the pictures target";
    }
}

TEST_F(PicturesFiles, EachReadsAtItsSizeInTheProgramsColours) {
    FillPaletteColours();
    ASSERT_FALSE(fresh_->names().empty());
    for (const std::string& name : fresh_->names()) {
        SCOPED_TRACE(name);
        HGLOBAL block = ReadDibFile((ProgramFolder() / name).string().c_str());
        ASSERT_NE(block, nullptr);
        const auto* bytes = static_cast<const BYTE*>(GlobalLock(block));
        BITMAPINFOHEADER header;
        std::memcpy(&header, bytes, sizeof header);
        Size size = ExpectedSize(name);
        EXPECT_EQ(header.biWidth, size.width);
        EXPECT_EQ(header.biHeight, size.height);
        ASSERT_EQ(header.biBitCount, 8);
        EXPECT_EQ(header.biCompression, DWORD(BI_RGB));
        // The table begins with the program's colours, so each index names one of them.
        const BYTE* table = bytes + header.biSize;
        for (int i = 0; i < kPaletteSize; i++) {
            COLORREF entry = RGB(table[4 * i + 2], table[4 * i + 1], table[4 * i]);
            ASSERT_EQ(entry, paletteColours[i]) << "entry " << i;
        }
        // Each pixel's colour is one of the program's, whichever entry of the 256 names it.
        std::set<COLORREF> own(paletteColours, paletteColours + kPaletteSize);
        const BYTE* bits = table + 4 * DibColourCount(&header);
        int row = (header.biWidth + 3) / 4 * 4, outside = 0;
        for (int y = 0; y < header.biHeight; y++) {
            for (int x = 0; x < header.biWidth; x++) {
                const BYTE* entry = table + 4 * bits[y * row + x];
                outside += !own.count(RGB(entry[2], entry[1], entry[0]));
            }
        }
        EXPECT_EQ(outside, 0) << "pixels in colours outside the program's table";
        GlobalUnlock(block);
        GlobalFree(block);
    }
}

TEST_F(PicturesFiles, ColouringPicturesAreBlackOnWhiteOnly) {
    int checked = 0;
    for (const std::string& name : fresh_->names()) {
        if (!IsColouringPicture(name)) continue;
        SCOPED_TRACE(name);
        HGLOBAL block = ReadDibFile((ProgramFolder() / name).string().c_str());
        ASSERT_NE(block, nullptr);
        const auto* bytes = static_cast<const BYTE*>(GlobalLock(block));
        BITMAPINFOHEADER header;
        std::memcpy(&header, bytes, sizeof header);
        const BYTE* table = bytes + header.biSize;
        const BYTE* bits = table + 4 * DibColourCount(&header);
        int row = (header.biWidth + 3) / 4 * 4, black = 0, white = 0;
        for (int y = 0; y < header.biHeight; y++) {
            for (int x = 0; x < header.biWidth; x++) {
                const BYTE* entry = table + 4 * bits[y * row + x];
                COLORREF colour = RGB(entry[2], entry[1], entry[0]);
                black += colour == RGB(0, 0, 0);
                white += colour == RGB(255, 255, 255);
            }
        }
        // Pure black outlines (not the grey family's near-black) on white, nothing between.
        EXPECT_EQ(black + white, header.biWidth * header.biHeight);
        EXPECT_GT(black, header.biWidth * header.biHeight / 50) << "the outlines are bold";
        GlobalUnlock(block);
        GlobalFree(block);
        checked++;
    }
    EXPECT_GE(checked, 8);
}

}  // namespace
