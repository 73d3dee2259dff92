#include "colour.h"

namespace gdi {

COLORREF ResolveColour(const DeviceContext& dc, COLORREF colour) {
    // Any colour with the index flag is an index, whatever else its top byte holds.
    if (colour & 0x01000000) {
        const Palette* palette = FindPalette(dc.palette);
        if (!palette || palette->entries.empty()) return 0;
        size_t index = colour & 0xFFFF;
        const PALETTEENTRY& e = palette->entries[index < palette->entries.size() ? index : 0];
        return RGB(e.peRed, e.peGreen, e.peBlue);
    }
    return colour & 0x00FFFFFF;
}

uint32_t NearestMono(COLORREF rgb) {
    int sum = int(rgb & 0xFF) + int((rgb >> 8) & 0xFF) + int((rgb >> 16) & 0xFF);
    return sum * 2 > 3 * 255 ? kMonoWhite : kMonoBlack;
}

uint32_t PenPixel(const DeviceContext& dc, COLORREF colour) {
    COLORREF rgb = ResolveColour(dc, colour);
    if (!dc.surface || !dc.surface->monochrome()) return PixelFromRgb(rgb);
    if (rgb == 0) return kMonoBlack;
    if (rgb == 0xFFFFFF) return kMonoWhite;
    uint32_t background = NearestMono(ResolveColour(dc, dc.bkColour));
    if (rgb == ResolveColour(dc, dc.bkColour)) return background;
    return background ^ kMonoWhite;
}

}  // namespace gdi
