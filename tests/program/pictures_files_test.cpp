// The frame and chooser bitmaps and the supplied pictures as committed: what the program reads, at the
// sizes it draws them, in its own colours, and the same bytes as the tool makes from the sources.
#include <gtest/gtest.h>

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
        TablePicture picture = ReadTablePicture(ProgramFolder() / name);
        ASSERT_TRUE(picture.read);
        Size size = ExpectedSize(name);
        EXPECT_EQ(picture.header.biWidth, size.width);
        EXPECT_EQ(picture.header.biHeight, size.height);
        ASSERT_EQ(picture.header.biBitCount, 8);
        EXPECT_EQ(picture.header.biCompression, DWORD(BI_RGB));
        // The table begins with the program's colours, so each index names one of them.
        ASSERT_GE(picture.table.size(), size_t(kPaletteSize));
        for (int i = 0; i < kPaletteSize; i++) ASSERT_EQ(picture.table[i], paletteColours[i]) << "entry " << i;
        // Each pixel's colour is one of the program's, whichever entry of the 256 names it.
        std::set<COLORREF> own(paletteColours, paletteColours + kPaletteSize);
        int outside = 0;
        for (COLORREF colour : picture.pixels) outside += !own.count(colour);
        EXPECT_EQ(outside, 0) << "pixels in colours outside the program's table";
    }
}

TEST_F(PicturesFiles, ColouringPicturesAreBlackOnWhiteOnly) {
    int checked = 0;
    for (const std::string& name : fresh_->names()) {
        if (!IsColouringPicture(name)) continue;
        SCOPED_TRACE(name);
        TablePicture picture = ReadTablePicture(ProgramFolder() / name);
        ASSERT_TRUE(picture.read);
        long black = std::count(picture.pixels.begin(), picture.pixels.end(), RGB(0, 0, 0));
        long white = std::count(picture.pixels.begin(), picture.pixels.end(), RGB(255, 255, 255));
        // Pure black outlines (not the grey family's near-black) on white, nothing between.
        int area = picture.header.biWidth * picture.header.biHeight;
        EXPECT_EQ(black + white, area);
        EXPECT_GT(black, area / 50) << "the outlines are bold";
        checked++;
    }
    EXPECT_GE(checked, 8);
}

}  // namespace
