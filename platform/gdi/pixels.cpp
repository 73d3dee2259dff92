#include "colour.h"
#include "damage.h"
#include "paint.h"

using namespace gdi;

namespace {

// The screen surface, looked up once: every pixel set or read asks whether it lies there.
const Surface* const kScreen = &ScreenSurface();

// The surface pixel under logical (x, y) if the clip lets it be touched. The effects read and set every
// pixel of the canvas one call at a time, so this looks at the clip as it stands rather than building the
// list of clip boxes.
uint32_t* ClippedPixel(const DeviceContext& d, int x, int y) {
    if (!d.surface) return nullptr;
    int64_t sx = int64_t(x) + d.origin.x, sy = int64_t(y) + d.origin.y;
    if (sx < 0 || sy < 0 || sx >= d.surface->width || sy >= d.surface->height) return nullptr;
    if (!d.clipSet) return &d.surface->at(int(sx), int(sy));
    for (const Box& b : d.clip)
        if (sx >= b.left && sx < b.right && sy >= b.top && sy < b.bottom) return &d.surface->at(int(sx), int(sy));
    return nullptr;
}

}  // namespace

COLORREF WINAPI SetPixel(HDC dc, int x, int y, COLORREF colour) {
    DeviceContext* d = FindDc(dc);
    if (!d) return CLR_INVALID;
    uint32_t* p = ClippedPixel(*d, x, y);
    if (!p) return CLR_INVALID;
    // A pixel takes the nearest colour the surface has, unlike a pen's colour on monochrome.
    COLORREF rgb = ResolveColour(*d, colour);
    uint32_t pixel = d->surface->monochrome() ? NearestMono(rgb) : PixelFromRgb(rgb);
    // Pixels combine with the destination through the binary raster operation, like a pen.
    *p = d->rop2 == R2_COPYPEN ? pixel : MakeRop2(d->rop2, pixel).apply(*p);
    if (d->surface == kScreen) MarkScreenPixel(x + d->origin.x, y + d->origin.y);
    return RgbFromPixel(*p);
}

COLORREF WINAPI GetPixel(HDC dc, int x, int y) {
    DeviceContext* d = FindDc(dc);
    if (!d) return CLR_INVALID;
    uint32_t* p = ClippedPixel(*d, x, y);
    if (!p) return CLR_INVALID;
    if (d->surface == kScreen) NoteScreenRead();
    return RgbFromPixel(*p);
}
