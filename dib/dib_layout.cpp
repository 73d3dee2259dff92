#include "dib/dib_layout.h"

#include <algorithm>

#include "dib/dib.h"

namespace dib {
namespace {

constexpr int64_t kMaxExtent = 16384;
constexpr uint64_t kMaxImageSize = uint64_t(256) << 20;
// The pixels of the largest image at 32 bits: fewer bits a pixel must not let a picture claim more.
constexpr uint64_t kMaxPixels = uint64_t(64) << 20;
// The most pixels one run writes, in its 2 bytes.
constexpr uint64_t kMostPixelsOfARun = 255;
// Deeper pictures need no colour table, but may carry one of up to 256 entries for palette devices.
constexpr DWORD kMaxTableOfDeepPictures = 256;

bool IsRunLength(const BITMAPINFOHEADER& info) {
    return info.biCompression == BI_RLE8 || info.biCompression == BI_RLE4;
}

uint64_t PixelCount(const BITMAPINFOHEADER& info) {
    int64_t height = info.biHeight < 0 ? -int64_t(info.biHeight) : int64_t(info.biHeight);
    return uint64_t(info.biWidth) * uint64_t(height);
}

bool IsKnownBitCount(WORD bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
}

DWORD MaxColourCount(WORD bitCount) { return bitCount <= 8 ? DWORD(1) << bitCount : kMaxTableOfDeepPictures; }

// Run-length pictures are coded for one depth each and stored bottom-up; masks only describe 16 and 32 bits.
bool CompressionFitsBitCount(DWORD compression, WORD bitCount, LONG height) {
    switch (compression) {
        case BI_RGB: return true;
        case BI_RLE8: return bitCount == 8 && height > 0;
        case BI_RLE4: return bitCount == 4 && height > 0;
        case BI_BITFIELDS: return bitCount == 16 || bitCount == 32;
        default: return false;
    }
}

}  // namespace

uint64_t RowSize(int64_t width, int bitCount) { return uint64_t((width * bitCount + 31) / 32) * 4; }

uint64_t ImageSize(const BITMAPINFOHEADER& info) {
    int64_t rows = info.biHeight < 0 ? -int64_t(info.biHeight) : int64_t(info.biHeight);
    return RowSize(info.biWidth, info.biBitCount) * uint64_t(rows);
}

uint64_t BlockLayoutSize(const BITMAPINFOHEADER& info) {
    return uint64_t(info.biSize) + DibColourTableSize(&info) + info.biSizeImage;
}

bool HeaderIsSafe(const BITMAPINFOHEADER& info) {
    int64_t height = info.biHeight < 0 ? -int64_t(info.biHeight) : int64_t(info.biHeight);
    if (info.biWidth <= 0 || info.biWidth > kMaxExtent || height == 0 || height > kMaxExtent) return false;
    if (!IsKnownBitCount(info.biBitCount)) return false;
    if (info.biClrUsed > MaxColourCount(info.biBitCount)) return false;
    if (!CompressionFitsBitCount(info.biCompression, info.biBitCount, info.biHeight)) return false;
    if (PixelCount(info) > kMaxPixels) return false;
    return info.biSizeImage <= kMaxImageSize && ImageSize(info) <= kMaxImageSize;
}

uint64_t BitsToKeep(const BITMAPINFOHEADER& info, uint64_t bytesInFile) {
    uint64_t kept = std::min<uint64_t>(info.biSizeImage, bytesInFile);
    if (IsRunLength(info)) return kept;
    return std::max(kept, std::min(ImageSize(info), bytesInFile));
}

bool BitsHoldThePixels(const BITMAPINFOHEADER& info) {
    if (IsRunLength(info)) return PixelCount(info) * 2 <= kMostPixelsOfARun * info.biSizeImage;
    return info.biSizeImage >= ImageSize(info);
}

}  // namespace dib
