// Pictures made by another program: ImageMagick writes one BMP file of each kind a parent may copy into
// the program's folder (run-length coded, 16 bits with masks, 32 bits with masks, the 12-byte core
// header, 24 bits), and decodes each itself, so that what the program draws can be compared with an
// independent reading of the same file.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

namespace dab_test {

struct ForeignPicture {
    std::string kind;               // what the file holds, for messages
    std::string fileName;           // in the folder given to MakeForeignPictures
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;   // as ImageMagick decodes the file, top row first
};

// Writes the pictures, width x height each, into folder; an empty list (and a test failure) when
// ImageMagick's convert is missing or fails.
std::vector<ForeignPicture> MakeForeignPictures(const std::string& folder, int width, int height);

// The number of pixels of the picture that differ from the device context's pixels at (x, y), and a
// description of the first.
int CountDifferences(HDC dc, int x, int y, const ForeignPicture& picture, std::string* first);

}  // namespace dab_test
