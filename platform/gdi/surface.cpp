#include "surface.h"

#include <new>

namespace gdi {

namespace {
// Larger surfaces than this are refused, as a real device would run out of memory.
constexpr int64_t kMaxPixels = int64_t(1) << 28;
}  // namespace

bool Surface::allocate(int w, int h, int bpp, uint32_t colour) {
    if (w <= 0 || h <= 0 || int64_t(w) * h > kMaxPixels) return false;
    try {
        storage.assign(size_t(w) * size_t(h), colour);
    } catch (const std::bad_alloc&) {
        return false;
    }
    width = w;
    height = h;
    bitsPerPixel = bpp == 1 ? 1 : 32;
    top = storage.data();
    stride = w;
    return true;
}

}  // namespace gdi
