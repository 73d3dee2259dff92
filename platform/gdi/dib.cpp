// Device-independent bitmaps: drawing them (StretchDIBits), reading bitmaps as them
// (GetDIBits) and bitmaps whose bits the caller sees (CreateDIBSection).
#include <algorithm>
#include <cstring>
#include <utility>

#include "blit.h"
#include "colour.h"
#include "dib_decode.h"
#include "dib_stretch.h"

using namespace gdi;

namespace {

bool SupportedDepth(int bpp) { return bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32; }

size_t RowBytes(int64_t width, int bpp) { return size_t(((width * bpp + 31) / 32) * 4); }

// How GetDIBits matches a colour to its table. The reference matches at 8 bits at 5 bits a channel, each at the
// middle of its step of 8, a colour the table holds keeping its entry (Coarse), and at fewer bits at full
// precision (Fine), a tie going to the earlier entry. The program's own palette, which the reference ignores
// (getdibits_palette), is matched at full precision with ties to the later entry, as its saved pictures are.
enum class Match { Coarse, Fine, OwnPalette };

int NearestIndex(const std::vector<PALETTEENTRY>& entries, uint32_t pixel, Match match) {
    int best = 0;
    int64_t bestDistance = INT64_MAX;
    int r = int((pixel >> 16) & 0xFF), g = int((pixel >> 8) & 0xFF), b = int(pixel & 0xFF);
    if (match == Match::Coarse) {
        for (size_t i = 0; i < entries.size(); i++)
            if (r == entries[i].peRed && g == entries[i].peGreen && b == entries[i].peBlue) return int(i);
        r = (r & 0xF8) + 4, g = (g & 0xF8) + 4, b = (b & 0xF8) + 4;
    }
    for (size_t i = 0; i < entries.size(); i++) {
        int dr = r - entries[i].peRed, dg = g - entries[i].peGreen, db = b - entries[i].peBlue;
        int64_t distance = int64_t(dr) * dr + int64_t(dg) * dg + int64_t(db) * db;
        bool nearer = distance < bestDistance || (distance == bestDistance && match == Match::OwnPalette);
        if (nearer) bestDistance = distance, best = int(i);
    }
    return best;
}

// Pictures hold few colours and repeat them, so each search for the nearest entry is remembered.
class NearestCache {
public:
    NearestCache(const std::vector<PALETTEENTRY>& entries, Match match) : entries_(entries), match_(match) {}
    int Find(uint32_t pixel) {
        // Made at the first search: reading at 16 bits or more never searches.
        if (slots_.empty()) slots_.resize(size_t(1) << kBits);
        Slot& slot = slots_[(pixel * 2654435761u) >> (32 - kBits)];
        if (slot.index < 0 || slot.pixel != pixel) slot = {pixel, NearestIndex(entries_, pixel, match_)};
        return slot.index;
    }

private:
    static constexpr int kBits = 12;
    struct Slot {
        uint32_t pixel = 0;
        int index = -1;
    };
    const std::vector<PALETTEENTRY>& entries_;
    Match match_;
    std::vector<Slot> slots_;
};

// The palette selected into the DC when it is not the default one.
const Palette* OwnPalette(const DeviceContext& d) {
    const Palette* own = FindPalette(d.palette);
    return own && own != FindPalette(HPALETTE(GetStockObject(DEFAULT_PALETTE))) ? own : nullptr;
}

// The colour table GetDIBits makes for a depth of 8 bits or fewer: black and white; the sixteen VGA
// colours, the two greys the other way round; for 8 bits the DC's own palette, the rest of the 256 filled from the
// default table, whose middle entries hold 8 levels of red and green and 4 of blue between the 20 system colours.
std::vector<PALETTEENTRY> SynthesisedTable(const DeviceContext& d, int bitCount) {
    const Palette* system = FindPalette(HPALETTE(GetStockObject(DEFAULT_PALETTE)));
    const std::vector<PALETTEENTRY>& colours = system->entries;
    if (bitCount == 1) return {colours.front(), colours.back()};
    std::vector<PALETTEENTRY> table(colours.begin(), colours.begin() + 8);
    if (bitCount == 4) {
        table.insert(table.end(), colours.end() - 8, colours.end());
        std::swap(table[7], table[8]);
        return table;
    }
    table.resize(256);
    for (int i = 0; i < 256; i++) {
        if (i < 10)
            table[i] = colours[i];
        else if (i >= 246)
            table[i] = colours[i - 236];
        else
            table[i] = {BYTE((i & 7) << 5), BYTE(((i >> 3) & 7) << 5), BYTE(((i >> 6) & 3) << 6), 0};
    }
    // A palette the program selected is what its saved pictures must keep.
    if (const Palette* own = OwnPalette(d))
        std::copy_n(own->entries.begin(), std::min<size_t>(256, own->entries.size()), table.begin());
    return table;
}

// A StretchDIBits call's rectangles as the reference hands them on to its blit, the source's rows counted
// from the top.
struct DibRect {
    int64_t x, y, w, h, sx, sy, sw, sh;
};

DibRect ReferenceDibRect(int64_t x, int64_t y, int64_t w, int64_t h, int64_t sx, int64_t sy, int64_t sw, int64_t sh,
                         int64_t rows, bool bottomUp, DWORD rop) {
    bool copy = rop == SRCCOPY;
    bool fromOrigin = sx == 0 && sy == 0 && sw == w && sh == h;
    // Onto a single pixel one source pixel fewer, except for a stretched copy.
    if (!copy || fromOrigin) {
        if (w == 1 && sw > 1) sw--;
        if (h == 1 && sh > 1) sh--;
    }
    // Mirrored the same way on both sides, an operation other than a copy runs forwards from one pixel
    // further along.
    if (!copy && w < 0 && w == sw) x += w, sx += sw, w = -w, sw = -sw;
    if (!copy && h < 0 && h == sh) y += h, sy += sh, h = -h, sh = -sh;
    // The source rectangle is measured from the picture's bottom row, whichever way its rows are stored, but
    // from the top of a top-down picture for an operation other than a copy and for an unstretched copy from
    // the corner.
    if (bottomUp || (copy && !fromOrigin)) sy = rows - sy - sh;
    // A rectangle of negative height that runs from past one end to beyond the other starts at that end.
    if (sy >= rows && sy + sh + 1 < rows)
        sy = rows - 1;
    else if (sy > 0 && sy + sh + 1 < 0)
        sy = -sh - 1;
    return {x, y, w, h, sx, sy, sw, sh};
}

}  // namespace

int WINAPI StretchDIBits(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth, int srcHeight,
                         const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop) {
    DeviceContext* d = FindDc(dc);
    if (!d || !d->surface || !info || !bits) return 0;
    DibDecoder dib;
    if (!dib.Open(*d, info, bits, usage)) return 0;
    DibRect r = ReferenceDibRect(x, y, width, height, srcX, srcY, srcWidth, srcHeight, dib.height(), dib.bottomUp(), rop);
    if (!StretchDib(*d, dib, r.x, r.y, r.w, r.h, r.sx, r.sy, r.sw, r.sh, rop)) return 0;
    return int(std::llabs(int64_t(srcHeight)));
}

int WINAPI GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO info, UINT usage) {
    DeviceContext* d = FindDc(dc);
    Bitmap* b = FindBitmap(bitmap);
    if (!d || !b || !info) return 0;
    BITMAPINFOHEADER& h = info->bmiHeader;
    const Surface& s = b->surface;
    if (h.biBitCount == 0) {
        h.biWidth = s.width;
        h.biHeight = s.height;
        h.biPlanes = 1;
        h.biBitCount = WORD(s.bitsPerPixel);
        h.biCompression = BI_RGB;
        h.biSizeImage = DWORD(RowBytes(s.width, s.bitsPerPixel) * size_t(s.height));
        return s.height;
    }
    if (!SupportedDepth(h.biBitCount) || h.biWidth <= 0 || h.biHeight == 0 || h.biCompression != BI_RGB) return 0;
    int64_t width = h.biWidth, height = h.biHeight < 0 ? -int64_t(h.biHeight) : h.biHeight;
    bool bottomUp = h.biHeight > 0;
    size_t stride = RowBytes(width, h.biBitCount);
    h.biSizeImage = DWORD(stride * size_t(height));
    h.biPlanes = 1;

    std::vector<PALETTEENTRY> entries;
    if (h.biBitCount <= 8) {
        size_t count = size_t(1) << h.biBitCount;
        entries = SynthesisedTable(*d, h.biBitCount);
        RGBQUAD* quads = info->bmiColors;
        WORD* indices = reinterpret_cast<WORD*>(info->bmiColors);
        for (size_t i = 0; i < count; i++) {
            if (usage == DIB_PAL_COLORS)
                indices[i] = WORD(i);
            else
                quads[i] = {entries[i].peBlue, entries[i].peGreen, entries[i].peRed, 0};
        }
        h.biClrUsed = 0;
    }
    if (!bits) return int(height);

    int64_t first = start, last = std::min<int64_t>(int64_t(start) + lines, height);
    uint8_t* out = static_cast<uint8_t*>(bits);
    Match match = h.biBitCount != 8 ? Match::Fine : OwnPalette(*d) ? Match::OwnPalette : Match::Coarse;
    NearestCache nearest(entries, match);
    int copied = 0;
    for (int64_t line = first; line < last; line++) {
        // Lines count from the bottom for bottom-up DIBs.
        int64_t row = bottomUp ? height - 1 - line : line;
        uint8_t* dst = out + stride * size_t(line - first);
        std::memset(dst, 0, stride);
        if (row >= s.height) continue;
        copied++;
        int64_t columns = std::min<int64_t>(width, s.width);
        if (h.biBitCount == 8) {
            // Pictures are mostly runs of one colour: a pixel like the last needs no search.
            const uint32_t* source = s.row(int(row));
            uint32_t last = 0;
            int index = -1;
            for (int64_t col = 0; col < columns; col++) {
                if (index < 0 || source[col] != last) index = nearest.Find(last = source[col]);
                dst[col] = uint8_t(index);
            }
            continue;
        }
        for (int64_t col = 0; col < columns; col++) {
            uint32_t p = s.at(int(col), int(row));
            switch (h.biBitCount) {
                case 32: std::memcpy(dst + 4 * col, &p, 4); break;
                case 16: {
                    // Five bits of each channel, red highest.
                    uint32_t v = (p >> 9 & 0x7C00) | (p >> 6 & 0x03E0) | (p >> 3 & 0x001F);
                    dst[2 * col] = uint8_t(v);
                    dst[2 * col + 1] = uint8_t(v >> 8);
                    break;
                }
                case 24:
                    dst[3 * col] = uint8_t(p);
                    dst[3 * col + 1] = uint8_t(p >> 8);
                    dst[3 * col + 2] = uint8_t(p >> 16);
                    break;
                default: {
                    int index = nearest.Find(p);
                    if (h.biBitCount == 8)
                        dst[col] = uint8_t(index);
                    else if (h.biBitCount == 4)
                        dst[col / 2] |= uint8_t(index << (col % 2 ? 0 : 4));
                    else
                        dst[col / 8] |= uint8_t((index & 1) << (7 - col % 8));
                }
            }
        }
    }
    return copied;
}

HBITMAP WINAPI CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT, void** bits, HANDLE, DWORD) {
    if (bits) *bits = nullptr;
    if (!info || (dc && !FindDc(dc))) return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    // Only 32-bit sections share memory with a surface of ours.
    if (h.biBitCount != 32 || h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0) return nullptr;
    int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    HBITMAP handle = NewBitmap(h.biWidth, height, 32);
    if (!handle) return nullptr;
    Bitmap* b = FindBitmap(handle);
    Surface& s = b->surface;
    if (h.biHeight > 0) {
        s.top = s.storage.data() + size_t(height - 1) * size_t(s.width);
        s.stride = -ptrdiff_t(s.width);
    }
    b->dibBits = s.storage.data();
    if (bits) *bits = b->dibBits;
    return handle;
}
