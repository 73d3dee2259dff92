// Drawing a block scaled onto a device context.
#include <cstring>

#include "dib/dib.h"
#include "dib/dib_layout.h"

namespace {

// Bytes of bits the system reads to draw the picture: every row when the bits are not run-length coded.
uint64_t BitsTheDrawingReads(const BITMAPINFOHEADER& info) {
    if (info.biCompression == BI_RLE8 || info.biCompression == BI_RLE4) return info.biSizeImage;
    return dib::ImageSize(info);
}

// Bytes of colour table the system reads: the colours used, but never more than the depth can index; the
// masks of BI_BITFIELDS.
uint64_t TableTheDrawingReads(const BITMAPINFOHEADER& info) {
    if (info.biCompression == BI_BITFIELDS) return dib::kColourMasksSize;
    if (info.biBitCount > 8) return 0;
    uint64_t entries = uint64_t(1) << info.biBitCount;
    if (info.biClrUsed != 0 && info.biClrUsed < entries) entries = info.biClrUsed;
    return entries * 4;
}

int StretchLockedDib(HDC dc, int x, int y, int width, int height, const BYTE* bytes, SIZE_T blockSize,
                     int sourceX, int sourceY, int sourceWidth, int sourceHeight, DWORD rop) {
    BITMAPINFOHEADER info;
    std::memcpy(&info, bytes, sizeof info);
    uint64_t bitsOffset = uint64_t(info.biSize) + DibColourTableSize(&info);
    if (info.biSize < sizeof info || bitsOffset > blockSize) return 0;
    if (info.biSize + TableTheDrawingReads(info) > blockSize) return 0;
    if (BitsTheDrawingReads(info) > blockSize - bitsOffset) return 0;
    if (sourceWidth == -1 && sourceHeight == -1) {
        sourceWidth = info.biWidth;
        sourceHeight = info.biHeight < 0 ? -info.biHeight : info.biHeight;
    }
    auto header = reinterpret_cast<const BITMAPINFO*>(bytes);
    return StretchDIBits(dc, x, y, width, height, sourceX, sourceY, sourceWidth, sourceHeight, bytes + bitsOffset,
                         header, DIB_RGB_COLORS, rop);
}

}  // namespace

int StretchDibToDevice(HDC dc, int x, int y, int width, int height, HGLOBAL dib, int sourceX, int sourceY,
                       int sourceWidth, int sourceHeight, DWORD rop) {
    if (!dib) return PatBlt(dc, x, y, width, height, rop);
    SIZE_T blockSize = GlobalSize(dib);
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(dib));
    if (!bytes) return 0;
    int result = blockSize < sizeof(BITMAPINFOHEADER) ? 0
                                                      : StretchLockedDib(dc, x, y, width, height, bytes, blockSize,
                                                                         sourceX, sourceY, sourceWidth, sourceHeight, rop);
    GlobalUnlock(dib);
    return result;
}
