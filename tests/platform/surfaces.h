// Drawing surfaces for the tests: the plain colours, a memory DC of its own, and the colours that points of a
// surface should have.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "platform/win32.h"

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

// A memory DC on a bitmap of the screen's kind, all freed with this.
struct MemoryDc {
    MemoryDc(int width, int height)
        : bitmap(CreateCompatibleBitmap(screen, width, height)), old(SelectObject(dc, bitmap)) {}
    ~MemoryDc() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap;
    HGDIOBJ old;
};

// A rectangle's left, top, right and bottom, to compare and print.
inline std::vector<LONG> Sides(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Checks that the box lies within the bounds: its left and top no less than theirs, its right and bottom no more.
inline void ExpectInside(const RECT& box, const RECT& bounds) {
    EXPECT_TRUE(box.left >= bounds.left && box.top >= bounds.top && box.right <= bounds.right &&
                box.bottom <= bounds.bottom)
        << ::testing::PrintToString(Sides(box)) << " is not within " << ::testing::PrintToString(Sides(bounds));
}

// A point and the colour it should have; why says what the point is where that is not plain.
struct PixelIs {
    int x, y;
    COLORREF colour;
    const char* why = "";
};

// Checks each point's colour as pixel(x, y) reads it.
template <typename Pixel>
void ExpectPixels(Pixel pixel, std::initializer_list<PixelIs> points) {
    for (const PixelIs& p : points) EXPECT_EQ(pixel(p.x, p.y), p.colour) << "at " << p.x << ", " << p.y << " " << p.why;
}

// The same for the pixels of a DC.
inline void ExpectPixels(HDC dc, std::initializer_list<PixelIs> points) {
    ExpectPixels([dc](int x, int y) { return GetPixel(dc, x, y); }, points);
}
