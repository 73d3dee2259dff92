// Pictures written by ImageMagick, read with ReadDibFile and drawn the way the picture chooser opens an
// ordinary picture (palette selected, COLORONCOLOR, the whole picture over the whole canvas), and opened
// through the chooser by clicks, are the pixels ImageMagick itself reads from the same files.
#include <gtest/gtest.h>

#include "dib/dib.h"
#include "files_helpers.h"
#include "tests/platform/temp_folder.h"
#include "tests/program/foreign_pictures.h"

namespace {

// The canvas of a 640 x 480 screen, so that each picture covers it pixel for pixel.
constexpr int kCanvasWidth = 590, kCanvasHeight = 408;

class ForeignPictures : public TempFolder {};

TEST_F(ForeignPictures, EachKindDrawsAsImageMagickReadsIt) {
    std::vector<dab_test::ForeignPicture> pictures =
        dab_test::MakeForeignPictures(directory_.string(), kCanvasWidth, kCanvasHeight);
    ASSERT_EQ(pictures.size(), 8u);
    MemoryDc surface(kCanvasWidth, kCanvasHeight);
    HDC canvas = surface.dc;
    for (const dab_test::ForeignPicture& picture : pictures) {
        SCOPED_TRACE(picture.kind);
        PatBlt(canvas, 0, 0, kCanvasWidth, kCanvasHeight, WHITENESS);
        HGLOBAL block = ReadDibFile(picture.fileName.c_str());
        ASSERT_NE(block, nullptr);
        SetStretchBltMode(canvas, COLORONCOLOR);
        EXPECT_NE(StretchDibToDevice(canvas, 0, 0, kCanvasWidth, kCanvasHeight, block, 0, 0, -1, -1, SRCCOPY), 0);
        GlobalFree(block);
        std::string first;
        EXPECT_EQ(dab_test::CountDifferences(canvas, 0, 0, picture, &first), 0) << first;
    }
}

TEST(ForeignPicturesOpened, EachKindOpensThroughTheChooser) {
    dab_test::RunDab({640, 480}, [] {
        dab_test::TestProgramFolder folder;
        std::vector<dab_test::ForeignPicture> pictures =
            dab_test::MakeForeignPictures(folder.path().string(), kCanvasWidth, kCanvasHeight);
        ASSERT_EQ(pictures.size(), 8u);
        for (const dab_test::ForeignPicture& picture : pictures) {
            SCOPED_TRACE(picture.kind);
            dab_test::ClickOnTheFilesPage(dab_test::kOpen);
            int slot = 0;
            for (int i = 1; i < PictureListEnd(); i++)
                if (picture.fileName == PictureList()[i]) slot = i;
            ASSERT_GT(slot, 0) << picture.fileName << " is not listed";
            for (int page = 0; page < (slot - 1) / 4; page++) dab_test::ClickChooserArrow();
            dab_test::ClickCell((slot - 1) % 4);
            // The canvas's client shows all but its one-pixel border of the picture.
            int differences = 0;
            std::string first;
            for (int y = 0; y < kCanvasHeight - 2; y++)
                for (int x = 0; x < kCanvasWidth - 2; x++) {
                    COLORREF want = picture.pixels[size_t(y) * size_t(picture.width) + size_t(x)];
                    COLORREF got = dab_test::CanvasPixel(x, y);
                    if (got != want && differences++ == 0)
                        first = std::to_string(x) + ", " + std::to_string(y) + ": " + std::to_string(got) +
                                " for " + std::to_string(want);
                }
            EXPECT_EQ(differences, 0) << first;
        }
    });
}

}  // namespace
