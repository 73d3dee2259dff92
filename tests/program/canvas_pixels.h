// Reading and preparing the canvas for the drawing tests: its client pixels as the screen shows them.
#pragma once

#include <functional>
#include <vector>

#include "base/state.h"
#include "dab.h"

namespace dab_test {

inline COLORREF CanvasPixel(int x, int y) { return testing::ScreenPixel(CanvasToScreenX(x), CanvasToScreenY(y)); }

// The canvas's client area, row by row.
struct CanvasImage {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    bool operator==(const CanvasImage&) const = default;
};

inline CanvasImage ReadCanvas() {
    RECT client;
    GetClientRect(canvasWindow, &client);
    CanvasImage image{client.right, client.bottom, {}};
    image.pixels.reserve(size_t(image.width) * size_t(image.height));
    for (int y = 0; y < image.height; y++)
        for (int x = 0; x < image.width; x++) image.pixels.push_back(CanvasPixel(x, y));
    return image;
}

// Paints the whole canvas, pixel by pixel, with colour(x, y).
inline void PaintCanvas(const std::function<COLORREF(int, int)>& colour) {
    HDC dc = GetDC(canvasWindow);
    RECT client;
    GetClientRect(canvasWindow, &client);
    for (int y = 0; y < client.bottom; y++)
        for (int x = 0; x < client.right; x++) SetPixel(dc, x, y, colour(x, y));
    ReleaseDC(canvasWindow, dc);
}

inline void ClearCanvas() {
    HDC dc = GetDC(canvasWindow);
    PatBlt(dc, 0, 0, canvasWidth, canvasHeight, WHITENESS);
    ReleaseDC(canvasWindow, dc);
}

// Runs draw with a one-pixel pen of that colour and raster operation on the canvas's own DC.
inline void WithCanvasPen(COLORREF colour, int rop, const std::function<void(HDC)>& draw) {
    HDC dc = GetDC(canvasWindow);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    SetROP2(dc, rop);
    draw(dc);
    SelectObject(dc, old);
    ReleaseDC(canvasWindow, dc);
    DeleteObject(pen);
}

// A busy background, so that exclusive-or drawing and hatches show what they leave alone.
inline COLORREF Checks(int x, int y) { return ((x / 3 + y / 5) % 2) ? RGB(40, 160, 90) : RGB(230, 200, 20); }

// How many pixels of the image are not the colour want(x, y).
inline int WrongPixels(const CanvasImage& image, const std::function<COLORREF(int, int)>& want) {
    int wrong = 0;
    for (int y = 0; y < image.height; y++)
        for (int x = 0; x < image.width; x++) wrong += image.at(x, y) != want(x, y);
    return wrong;
}

// Every pixel where the two images differ, as points.
inline std::vector<POINT> Differences(const CanvasImage& a, const CanvasImage& b) {
    std::vector<POINT> points;
    for (int y = 0; y < a.height; y++)
        for (int x = 0; x < a.width; x++)
            if (a.at(x, y) != b.at(x, y)) points.push_back({x, y});
    return points;
}

}  // namespace dab_test
