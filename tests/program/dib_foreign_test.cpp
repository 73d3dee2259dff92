// Pictures written by ImageMagick, read with ReadDibFile and drawn the way the picture chooser opens an
// ordinary picture (palette selected, COLORONCOLOR, the whole picture over the whole canvas), are the
// pixels ImageMagick itself reads from the same files.
#include <gtest/gtest.h>

#include "files/dib.h"
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
    HDC screen = GetDC(nullptr);
    HDC canvas = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kCanvasWidth, kCanvasHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(canvas, bitmap);
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
    SelectObject(canvas, old);
    DeleteObject(bitmap);
    DeleteDC(canvas);
}

}  // namespace
