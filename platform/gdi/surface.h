// Pixel surfaces: 32-bit XRGB colour surfaces and 1-bit monochrome ones.
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

namespace gdi {

// Every surface keeps one 32-bit word a pixel, 0x00RRGGBB. A monochrome surface holds only
// kMonoBlack (bit 0) and kMonoWhite (bit 1), so raster operations work on both alike and the
// bits are packed only where a caller asks for them.
constexpr uint32_t kPixelMask = 0x00FFFFFF;
constexpr uint32_t kMonoBlack = 0x000000;
constexpr uint32_t kMonoWhite = 0xFFFFFF;

// Pixel rows start on 64-byte boundaries: copying between buffers whose addresses differ by an odd 16
// bytes runs several times slower on some processors, and every blit is a copy of rows.
template <typename T>
struct CacheLineAllocator {
    using value_type = T;
    static constexpr std::align_val_t kAlignment{64};
    CacheLineAllocator() = default;
    template <typename U>
    CacheLineAllocator(const CacheLineAllocator<U>&) {}
    T* allocate(size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), kAlignment)); }
    void deallocate(T* p, size_t) { ::operator delete(p, kAlignment); }
    template <typename U>
    bool operator==(const CacheLineAllocator<U>&) const { return true; }
};
using PixelStorage = std::vector<uint32_t, CacheLineAllocator<uint32_t>>;

struct Surface {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;  // 32 or 1
    uint32_t* top = nullptr;  // the first pixel of row 0 (the top row)
    ptrdiff_t stride = 0;     // pixels from one row to the next; negative for bottom-up memory
    PixelStorage storage;  // the pixels, in memory order

    bool monochrome() const { return bitsPerPixel == 1; }
    uint32_t* row(int y) const { return top + y * stride; }
    uint32_t& at(int x, int y) const { return top[y * stride + x]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    // Allocates owned pixels of that colour, black unless said; false when the size is impossible.
    bool allocate(int w, int h, int bpp, uint32_t colour = 0);
};

}  // namespace gdi
