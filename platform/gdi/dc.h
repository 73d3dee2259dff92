// Device contexts: where a drawing call lands and with what state.
#pragma once

#include <vector>

#include "objects.h"

namespace print {
struct Printer;
}

namespace gdi {

// A rectangle in surface pixels, [left, right) × [top, bottom).
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
};
Box Intersect(const Box& a, const Box& b);

struct DeviceContext : Object {
    DeviceContext() : Object(Kind::Dc) {}
    bool memory = false;
    Surface* surface = nullptr;  // the screen, or the selected bitmap's pixels

    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ palette = nullptr;
    HGDIOBJ bitmap = nullptr;  // memory DCs only
    HGDIOBJ font = nullptr;

    int rop2 = R2_COPYPEN;
    int bkMode = OPAQUE;
    COLORREF bkColour = 0xFFFFFF;
    COLORREF textColour = 0;
    int stretchMode = BLACKONWHITE;
    int polyFillMode = ALTERNATE;
    POINT position{0, 0};  // current position, logical
    POINT origin{0, 0};    // where logical (0, 0) lies on the surface
    // Where drawing may land, in surface pixels; the surface's own bounds also always clip.
    std::vector<Box> clip;
    bool clipSet = false;  // false: the whole surface
    // Set on a printer's DC only: the surface is its page, and deleting the DC aborts its job.
    std::shared_ptr<print::Printer> printer;
};

DeviceContext* FindDc(HDC dc);

// The clip boxes of a DC, already cut to its surface; empty when nothing can be drawn.
std::vector<Box> ClipBoxes(const DeviceContext& dc);
// The bounding box of ClipBoxes.
Box ClipBounds(const DeviceContext& dc);
Box BoundsOf(const std::vector<Box>& boxes);

// The screen the window system draws on. Tests and backends size it; it starts 640 × 480.
Surface& ScreenSurface();
void ResizeScreen(int width, int height);

// Window DCs are made by the window system: a DC on the screen with an origin and a clip.
HDC CreateScreenDc(POINT origin, const std::vector<Box>& clip);
// Printer DCs are made by the print layer: a DC on the printer's page, which it keeps while it lives.
HDC CreatePrinterDc(std::shared_ptr<print::Printer> printer);

}  // namespace gdi
