// StretchDIBits decodes only what lands on the destination, into a piece of the destination's size or, on
// large destinations, of the source's size along the axes that enlarge; either way it must draw what
// StretchBlt draws from the same pixels held in a bitmap.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/win32.h"
#include "surfaces.h"

namespace {

// A 24-bit bottom-up picture whose every pixel differs from its neighbours.
struct Picture {
    Picture(int width, int height) : width(width), height(height) {
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        int rowSize = (width * 3 + 3) / 4 * 4;
        bits.assign(size_t(rowSize) * size_t(height), 0);
        for (int y = 0; y < height; y++)
            for (int x = 0; x < width; x++) {
                uint8_t* p = bits.data() + size_t(height - 1 - y) * size_t(rowSize) + 3 * size_t(x);
                p[0] = uint8_t(x * 7 + y), p[1] = uint8_t(y * 5), p[2] = uint8_t(x ^ y);
            }
    }
    int width, height;
    BITMAPINFO info = {};
    std::vector<uint8_t> bits;
};

// The pixels of a DC's bitmap, top row first.
std::vector<uint32_t> PixelsOf(const MemoryDc& m, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> pixels(size_t(width) * size_t(height));
    SelectObject(m.dc, m.old);
    GetDIBits(m.screen, m.bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS);
    SelectObject(m.dc, m.bitmap);
    return pixels;
}

TEST(DibAsBitmap, StretchDibitsDrawsWhatStretchBltDrawsFromTheSamePixels) {
    struct Case {
        const char* what;
        int pictureWidth, pictureHeight, destinationWidth, destinationHeight, mode;
        int x, y, w, h, sx, sy, sw, sh;  // sy from the picture's top
    };
    const Case cases[] = {
        {"shrunk, ANDing", 300, 200, 200, 150, BLACKONWHITE, 0, 0, 200, 150, 0, 0, 300, 200},
        {"mirrored from beyond the corner, ORing", 300, 200, 200, 150, WHITEONBLACK, 190, 140, -180, -130, -20, -10,
         340, 230},
        {"enlarged onto a large destination", 300, 200, 2600, 1700, COLORONCOLOR, 0, 0, 2600, 1700, 0, 0, 300, 200},
        {"enlarged across, shrunk down, ANDing", 300, 4000, 2600, 1700, BLACKONWHITE, 5, 0, 2590, 1700, 0, 0, 300,
         4000},
        {"mirrored and enlarged from beyond the corner", 300, 200, 2600, 1700, COLORONCOLOR, 2599, 3, -2700, 1800, -15,
         7, 320, 180},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Picture picture(c.pictureWidth, c.pictureHeight);
        MemoryDc held(c.pictureWidth, c.pictureHeight), fromDib(c.destinationWidth, c.destinationHeight),
            fromBitmap(c.destinationWidth, c.destinationHeight);
        ASSERT_EQ(StretchDIBits(held.dc, 0, 0, c.pictureWidth, c.pictureHeight, 0, 0, c.pictureWidth, c.pictureHeight,
                                picture.bits.data(), &picture.info, DIB_RGB_COLORS, SRCCOPY),
                  c.pictureHeight);
        for (const MemoryDc* m : {&fromDib, &fromBitmap}) {
            PatBlt(m->dc, 0, 0, c.destinationWidth, c.destinationHeight, WHITENESS);
            SetStretchBltMode(m->dc, c.mode);
        }
        // A bottom-up picture's source rectangle is measured from its bottom row.
        int dibSy = c.pictureHeight - c.sy - c.sh;
        EXPECT_NE(StretchDIBits(fromDib.dc, c.x, c.y, c.w, c.h, c.sx, dibSy, c.sw, c.sh, picture.bits.data(),
                                &picture.info, DIB_RGB_COLORS, SRCCOPY),
                  0);
        EXPECT_NE(StretchBlt(fromBitmap.dc, c.x, c.y, c.w, c.h, held.dc, c.sx, c.sy, c.sw, c.sh, SRCCOPY), 0);
        std::vector<uint32_t> dib = PixelsOf(fromDib, c.destinationWidth, c.destinationHeight),
                              bitmap = PixelsOf(fromBitmap, c.destinationWidth, c.destinationHeight);
        size_t differing = 0, first = 0;
        for (size_t i = 0; i < dib.size(); i++)
            if (dib[i] != bitmap[i] && differing++ == 0) first = i;
        EXPECT_EQ(differing, 0u) << "first at " << first % size_t(c.destinationWidth) << ", "
                                 << first / size_t(c.destinationWidth);
        EXPECT_NE(dib, std::vector<uint32_t>(dib.size(), 0xFFFFFF)) << "something is drawn";
    }
}

}  // namespace
