#include "objects.h"

#include <algorithm>
#include <cstring>

#include "colour.h"
#include "dc.h"
#include "font.h"

namespace gdi {

namespace {

template <class T>
HGDIOBJ AddStock(std::unique_ptr<T> object) {
    object->stock = true;
    return AddObject(std::move(object));
}

HGDIOBJ MakeStockPen(COLORREF colour, int style) {
    auto pen = std::make_unique<Pen>();
    pen->colour = colour;
    pen->style = style;
    return AddStock(std::move(pen));
}

HGDIOBJ MakeStockBrush(COLORREF colour, int style) {
    auto brush = std::make_unique<Brush>();
    brush->colour = colour;
    brush->style = style;
    return AddStock(std::move(brush));
}

// The twenty static colours of the system palette.
HGDIOBJ MakeDefaultPalette() {
    static const COLORREF kColours[20] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0, 0xC0DCC0, 0xF0CAA6,
        0xF0FBFF, 0xA4A0A0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    auto palette = std::make_unique<Palette>();
    for (COLORREF c : kColours) palette->entries.push_back({GetRValue(c), GetGValue(c), GetBValue(c), 0});
    return AddStock(std::move(palette));
}

HGDIOBJ MakeStock(int index) {
    switch (index) {
        case WHITE_BRUSH: return MakeStockBrush(0xFFFFFF, BS_SOLID);
        case LTGRAY_BRUSH: return MakeStockBrush(0xC0C0C0, BS_SOLID);
        case GRAY_BRUSH: return MakeStockBrush(0x808080, BS_SOLID);
        case DKGRAY_BRUSH: return MakeStockBrush(0x404040, BS_SOLID);
        case BLACK_BRUSH: return MakeStockBrush(0x000000, BS_SOLID);
        case NULL_BRUSH: return MakeStockBrush(0, BS_NULL);
        case WHITE_PEN: return MakeStockPen(0xFFFFFF, PS_SOLID);
        case BLACK_PEN: return MakeStockPen(0x000000, PS_SOLID);
        case NULL_PEN: return MakeStockPen(0, PS_NULL);
        case DEFAULT_PALETTE: return MakeDefaultPalette();
        case SYSTEM_FONT: return AddStock(MakeStockFont(SYSTEM_FONT));
        case DEFAULT_GUI_FONT: return AddStock(MakeStockFont(DEFAULT_GUI_FONT));
        default: return nullptr;
    }
}

int BytesPerRow(const Surface& s) {
    return s.monochrome() ? ((s.width + 15) / 16) * 2 : s.width * 4;
}

// Word-aligned rows, as a device-dependent bitmap's bits are laid out.
void PackBits(const Surface& s, uint8_t* out, LONG count) {
    int rowBytes = BytesPerRow(s);
    for (LONG i = 0; i < count; i++) {
        int y = int(i / rowBytes), byte = int(i % rowBytes);
        if (s.monochrome()) {
            uint8_t v = 0;
            for (int bit = 0; bit < 8; bit++) {
                int x = byte * 8 + bit;
                if (x < s.width && s.at(x, y) != kMonoBlack) v |= uint8_t(0x80 >> bit);
            }
            out[i] = v;
        } else {
            uint32_t p = s.at(byte / 4, y);
            out[i] = uint8_t(p >> (8 * (byte % 4)));
        }
    }
}

void UnpackBits(Surface& s, const uint8_t* in) {
    int rowBytes = BytesPerRow(s);
    for (int y = 0; y < s.height; y++) {
        const uint8_t* row = in + size_t(y) * rowBytes;
        for (int x = 0; x < s.width; x++) {
            if (s.monochrome()) {
                s.at(x, y) = (row[x / 8] & (0x80 >> (x % 8))) ? kMonoWhite : kMonoBlack;
            } else {
                uint32_t p;
                std::memcpy(&p, row + x * 4, 4);
                s.at(x, y) = p & kPixelMask;
            }
        }
    }
}

}  // namespace

HGDIOBJ StockObject(int index) {
    static HGDIOBJ stock[DEFAULT_GUI_FONT + 1] = {};
    if (index < 0 || index > DEFAULT_GUI_FONT) return nullptr;
    if (!stock[index]) stock[index] = MakeStock(index);
    return stock[index];
}

HBITMAP DefaultBitmap() {
    static HGDIOBJ bitmap = [] {
        auto b = std::make_unique<Bitmap>();
        b->surface.allocate(1, 1, 1);
        return AddStock(std::move(b));
    }();
    return static_cast<HBITMAP>(bitmap);
}

HBITMAP NewBitmap(int width, int height, int bpp) {
    auto b = std::make_unique<Bitmap>();
    if (!b->surface.allocate(width, height, bpp)) return nullptr;
    return static_cast<HBITMAP>(AddObject(std::move(b)));
}

}  // namespace gdi

using namespace gdi;

HGDIOBJ WINAPI GetStockObject(int index) { return StockObject(index); }

BOOL WINAPI DeleteObject(HGDIOBJ handle) {
    Object* o = FindObject(handle);
    if (!o || o->kind == Kind::Dc) return FALSE;
    if (o->stock) return TRUE;
    if (o->selections > 0) {
        o->deletePending = true;
        return TRUE;
    }
    RemoveObject(handle);
    return TRUE;
}

HPEN WINAPI CreatePen(int style, int width, COLORREF colour) {
    // Styles this engine does not draw (dashes, unknown values) draw solid, as the reference does.
    auto pen = std::make_unique<Pen>();
    pen->style = style;
    pen->width = width < 0 ? -width : width;
    pen->colour = colour;
    return static_cast<HPEN>(AddObject(std::move(pen)));
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* logBrush) {
    if (!logBrush) return nullptr;
    auto brush = std::make_unique<Brush>();
    switch (logBrush->lbStyle) {
        case BS_SOLID: break;
        case BS_NULL: break;
        case BS_HATCHED:
            if (logBrush->lbHatch > HS_DIAGCROSS) return nullptr;
            brush->hatch = int(logBrush->lbHatch);
            break;
        default: return nullptr;
    }
    brush->style = int(logBrush->lbStyle);
    brush->colour = logBrush->lbColor;
    return static_cast<HBRUSH>(AddObject(std::move(brush)));
}

HBRUSH WINAPI CreateSolidBrush(COLORREF colour) {
    LOGBRUSH b{BS_SOLID, colour, 0};
    return CreateBrushIndirect(&b);
}

HBRUSH WINAPI CreateHatchBrush(int hatch, COLORREF colour) {
    if (hatch < HS_HORIZONTAL) return nullptr;
    LOGBRUSH b{BS_HATCHED, colour, ULONG_PTR(hatch)};
    return CreateBrushIndirect(&b);
}

HPALETTE WINAPI CreatePalette(const LOGPALETTE* logPalette) {
    if (!logPalette || logPalette->palVersion != 0x300 || logPalette->palNumEntries == 0) return nullptr;
    auto palette = std::make_unique<Palette>();
    palette->entries.assign(logPalette->palPalEntry, logPalette->palPalEntry + logPalette->palNumEntries);
    return static_cast<HPALETTE>(AddObject(std::move(palette)));
}

UINT WINAPI GetPaletteEntries(HPALETTE handle, UINT start, UINT count, LPPALETTEENTRY entries) {
    Palette* palette = FindPalette(handle);
    if (!palette) return 0;
    UINT size = UINT(palette->entries.size());
    // Without a buffer: the number of entries.
    if (!entries) return size;
    if (start >= size) return 0;
    UINT n = std::min(count, size - start);
    std::copy_n(palette->entries.begin() + start, n, entries);
    return n;
}

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (width < 0 || height < 0 || planes != 1 || bitsPerPixel > 32) return nullptr;
    if (width == 0 || height == 0) return DefaultBitmap();
    HBITMAP handle = NewBitmap(width, height, bitsPerPixel == 1 ? 1 : 32);
    if (handle && bits) UnpackBits(FindBitmap(handle)->surface, static_cast<const uint8_t*>(bits));
    return handle;
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC dc, int width, int height) {
    DeviceContext* d = FindDc(dc);
    if (!d || width < 0 || height < 0) return nullptr;
    if (width == 0 || height == 0) return DefaultBitmap();
    bool mono = d->memory && d->surface && d->surface->monochrome();
    return NewBitmap(width, height, mono ? 1 : 32);
}

LONG WINAPI GetBitmapBits(HBITMAP bitmap, LONG count, LPVOID bits) {
    Bitmap* b = FindBitmap(bitmap);
    if (!b || count < 0) return 0;
    LONG total = LONG(BytesPerRow(b->surface)) * b->surface.height;
    if (!bits) return total;
    if (count > total) count = total;
    PackBits(b->surface, static_cast<uint8_t*>(bits), count);
    return count;
}

int WINAPI GetObjectA(HANDLE handle, int size, LPVOID buffer) {
    Object* o = FindObject(handle);
    if (!o) return 0;
    auto give = [&](const void* data, int bytes) {
        if (!buffer) return bytes;
        int n = size < bytes ? size : bytes;
        if (n <= 0) return 0;
        std::memcpy(buffer, data, size_t(n));
        return n;
    };
    switch (o->kind) {
        case Kind::Pen: {
            const Pen* p = static_cast<Pen*>(o);
            LOGPEN lp{UINT(p->style), {p->width, 0}, p->colour};
            return give(&lp, sizeof lp);
        }
        case Kind::Brush: {
            const Brush* b = static_cast<Brush*>(o);
            LOGBRUSH lb{UINT(b->style), b->colour, ULONG_PTR(b->hatch)};
            return give(&lb, sizeof lb);
        }
        case Kind::Palette: {
            WORD count = WORD(static_cast<Palette*>(o)->entries.size());
            return give(&count, sizeof count);
        }
        case Kind::Bitmap: {
            const Bitmap* b = static_cast<Bitmap*>(o);
            const Surface& s = b->surface;
            BITMAP bm{0, s.width, s.height, BytesPerRow(s), 1, WORD(s.bitsPerPixel), b->dibBits};
            return give(&bm, sizeof bm);
        }
        case Kind::Font: return give(&static_cast<Font*>(o)->log, sizeof(LOGFONTA));
        default: return 0;
    }
}
