#include "dc.h"

#include <algorithm>

#include "platform/api/gdi.h"
#include "platform/api/text.h"
#include "platform/print/printer.h"
#include "damage.h"

namespace gdi {

Box Intersect(const Box& a, const Box& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

DeviceContext* FindDc(HDC dc) { return Find<DeviceContext>(dc, Kind::Dc); }

std::vector<Box> ClipBoxes(const DeviceContext& dc) {
    std::vector<Box> boxes;
    if (!dc.surface) return boxes;
    Box whole{0, 0, dc.surface->width, dc.surface->height};
    if (!dc.clipSet) {
        if (!whole.empty()) boxes.push_back(whole);
        return boxes;
    }
    for (const Box& b : dc.clip) {
        Box c = Intersect(b, whole);
        if (!c.empty()) boxes.push_back(c);
    }
    return boxes;
}

Box ClipBounds(const DeviceContext& dc) { return BoundsOf(ClipBoxes(dc)); }

Box BoundsOf(const std::vector<Box>& boxes) {
    if (boxes.empty()) return {};
    Box bounds = boxes.front();
    for (const Box& b : boxes) {
        bounds.left = std::min(bounds.left, b.left);
        bounds.top = std::min(bounds.top, b.top);
        bounds.right = std::max(bounds.right, b.right);
        bounds.bottom = std::max(bounds.bottom, b.bottom);
    }
    return bounds;
}

Surface& ScreenSurface() {
    static Surface screen = [] {
        Surface s;
        s.allocate(640, 480, 32);
        return s;
    }();
    return screen;
}

void ResizeScreen(int width, int height) {
    ScreenSurface().allocate(width, height, 32);
    MarkScreen({0, 0, width, height});
}

namespace {

void SelectInto(HGDIOBJ& slot, HGDIOBJ object) {
    if (Object* o = FindObject(object)) o->selections++;
    HGDIOBJ old = slot;
    slot = object;
    ReleaseSelection(old);
}

HDC NewDc(bool memory, Surface* surface) {
    auto dc = std::make_unique<DeviceContext>();
    dc->memory = memory;
    dc->surface = surface;
    DeviceContext* raw = dc.get();
    HDC handle = static_cast<HDC>(AddObject(std::move(dc)));
    SelectInto(raw->pen, StockObject(BLACK_PEN));
    SelectInto(raw->brush, StockObject(WHITE_BRUSH));
    SelectInto(raw->palette, StockObject(DEFAULT_PALETTE));
    SelectInto(raw->font, StockObject(SYSTEM_FONT));
    return handle;
}

}  // namespace

HDC CreateScreenDc(POINT origin, const std::vector<Box>& clip) {
    HDC handle = NewDc(false, &ScreenSurface());
    DeviceContext* dc = FindDc(handle);
    dc->origin = origin;
    dc->clip = clip;
    dc->clipSet = true;
    return handle;
}

HDC CreatePrinterDc(std::shared_ptr<print::Printer> printer) {
    HDC handle = NewDc(false, &printer->page);
    FindDc(handle)->printer = std::move(printer);
    return handle;
}

}  // namespace gdi

using namespace gdi;

HDC WINAPI CreateCompatibleDC(HDC dc) {
    if (dc && !FindDc(dc)) return nullptr;
    HDC handle = NewDc(true, nullptr);
    DeviceContext* d = FindDc(handle);
    HBITMAP bitmap = DefaultBitmap();
    SelectInto(d->bitmap, bitmap);
    d->surface = &FindBitmap(bitmap)->surface;
    return handle;
}

BOOL WINAPI DeleteDC(HDC dc) {
    DeviceContext* d = FindDc(dc);
    if (!d) return FALSE;
    if (Bitmap* b = FindBitmap(d->bitmap); b && b->selectedInto == d) b->selectedInto = nullptr;
    HGDIOBJ held[] = {d->pen, d->brush, d->palette, d->bitmap, d->font};
    RemoveObject(dc);
    for (HGDIOBJ h : held) ReleaseSelection(h);
    return TRUE;
}

int WINAPI GetDeviceCaps(HDC dc, int index) {
    DeviceContext* d = FindDc(dc);
    if (!d) return 0;
    if (d->printer) return print::PrinterDeviceCaps(*d->printer, index);
    const Surface& screen = ScreenSurface();
    switch (index) {
        case HORZRES: return screen.width;
        case VERTRES: return screen.height;
        case BITSPIXEL: return 32;
        case PLANES: return 1;
        case NUMCOLORS: return -1;
        case SIZEPALETTE: return 0;
        case RASTERCAPS:
            return RC_BITBLT | RC_BITMAP64 | RC_GDI20_OUTPUT | RC_DI_BITMAP | RC_DIBTODEV | RC_BIGFONT |
                   RC_STRETCHBLT | RC_FLOODFILL | RC_STRETCHDIB;
        default: return 0;
    }
}

HGDIOBJ WINAPI SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* d = FindDc(dc);
    Object* o = FindObject(object);
    if (!d || !o || o->deletePending) return nullptr;
    HGDIOBJ old;
    switch (o->kind) {
        case Kind::Pen:
            old = d->pen;
            SelectInto(d->pen, object);
            return old;
        case Kind::Brush:
            old = d->brush;
            SelectInto(d->brush, object);
            return old;
        case Kind::Font:
            old = d->font;
            SelectInto(d->font, object);
            return old;
        case Kind::Bitmap: {
            Bitmap* b = static_cast<Bitmap*>(o);
            if (!d->memory || (b->selectedInto && b->selectedInto != d)) return nullptr;
            old = d->bitmap;
            if (Bitmap* previous = FindBitmap(old); previous && previous->selectedInto == d)
                previous->selectedInto = nullptr;
            // The shared default bitmap may sit in any number of DCs.
            if (object != DefaultBitmap()) b->selectedInto = d;
            d->surface = &b->surface;
            SelectInto(d->bitmap, object);
            return old;
        }
        default: return nullptr;
    }
}

HPALETTE WINAPI SelectPalette(HDC dc, HPALETTE palette, BOOL) {
    DeviceContext* d = FindDc(dc);
    if (!d || !FindPalette(palette)) return nullptr;
    HGDIOBJ old = d->palette;
    SelectInto(d->palette, palette);
    return static_cast<HPALETTE>(old);
}

UINT WINAPI RealizePalette(HDC dc) {
    // A true-colour device maps nothing: no entry changes.
    return FindDc(dc) ? 0 : GDI_ERROR;
}

namespace {

// Sets one field of a DC's state and returns the old value, or failure for a bad DC or value.
template <class T>
T ExchangeState(HDC dc, T DeviceContext::*field, T value, bool valid, T failure) {
    DeviceContext* d = FindDc(dc);
    if (!d || !valid) return failure;
    T old = d->*field;
    d->*field = value;
    return old;
}

}  // namespace

int WINAPI SetROP2(HDC dc, int mode) {
    return ExchangeState(dc, &DeviceContext::rop2, mode, mode >= R2_BLACK && mode <= R2_WHITE, 0);
}

int WINAPI GetROP2(HDC dc) {
    DeviceContext* d = FindDc(dc);
    return d ? d->rop2 : 0;
}

int WINAPI SetBkMode(HDC dc, int mode) {
    return ExchangeState(dc, &DeviceContext::bkMode, mode, mode == TRANSPARENT || mode == OPAQUE, 0);
}

COLORREF WINAPI SetBkColor(HDC dc, COLORREF colour) {
    return ExchangeState(dc, &DeviceContext::bkColour, colour, true, CLR_INVALID);
}

COLORREF WINAPI SetTextColor(HDC dc, COLORREF colour) {
    return ExchangeState(dc, &DeviceContext::textColour, colour, true, CLR_INVALID);
}

int WINAPI SetStretchBltMode(HDC dc, int mode) {
    return ExchangeState(dc, &DeviceContext::stretchMode, mode, mode >= BLACKONWHITE && mode <= HALFTONE, 0);
}

BOOL WINAPI MoveToEx(HDC dc, int x, int y, LPPOINT previous) {
    DeviceContext* d = FindDc(dc);
    if (!d) return FALSE;
    if (previous) *previous = d->position;
    d->position = {x, y};
    return TRUE;
}
