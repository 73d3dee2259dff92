// Turning a device bitmap (the canvas picture) into a block through a palette.
#include <cstring>

#include "dib/dib.h"
#include "dib/dib_layout.h"

namespace {

// The screen's device context with the palette selected and realised, put back as it was when done.
class ScreenWithPalette {
public:
    explicit ScreenWithPalette(HPALETTE palette) : dc_(GetDC(nullptr)) {
        previous_ = SelectPalette(dc_, palette, FALSE);
        RealizePalette(dc_);
    }
    ~ScreenWithPalette() {
        SelectPalette(dc_, previous_, FALSE);
        ReleaseDC(nullptr, dc_);
    }
    ScreenWithPalette(const ScreenWithPalette&) = delete;
    ScreenWithPalette& operator=(const ScreenWithPalette&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HPALETTE previous_;
};

BITMAPINFOHEADER HeaderOfBitmap(const BITMAP& bitmap, DWORD compression, WORD bitCount) {
    BITMAPINFOHEADER info = {};
    info.biSize = dib::kInfoHeaderSize;
    info.biWidth = bitmap.bmWidth;
    info.biHeight = bitmap.bmHeight;
    info.biPlanes = 1;
    info.biBitCount = bitCount;
    info.biCompression = compression;
    return info;
}

// Asks the system for the header and colour table it will give the bits; true when it answered.
bool FillHeaderAndTable(HDC dc, HBITMAP bitmap, HGLOBAL block, BITMAPINFOHEADER* info) {
    auto* bytes = static_cast<BYTE*>(GlobalLock(block));
    if (!bytes) return false;
    std::memcpy(bytes, info, sizeof *info);
    GetDIBits(dc, bitmap, 0, UINT(info->biHeight), nullptr, reinterpret_cast<BITMAPINFO*>(bytes), DIB_RGB_COLORS);
    std::memcpy(info, bytes, sizeof *info);
    GlobalUnlock(block);
    return true;
}

bool FillBits(HDC dc, HBITMAP bitmap, HGLOBAL block, const BITMAPINFOHEADER& info, DWORD tableSize) {
    auto* bytes = static_cast<BYTE*>(GlobalLock(block));
    if (!bytes) return false;
    std::memcpy(bytes, &info, sizeof info);
    int rows = GetDIBits(dc, bitmap, 0, UINT(info.biHeight), bytes + info.biSize + tableSize,
                         reinterpret_cast<BITMAPINFO*>(bytes), DIB_RGB_COLORS);
    GlobalUnlock(block);
    return rows != 0;
}

}  // namespace

HGLOBAL DibFromBitmap(HBITMAP bitmap, DWORD compression, WORD bitCount, HPALETTE palette) {
    if (!bitmap) return nullptr;
    if (!palette) palette = HPALETTE(GetStockObject(DEFAULT_PALETTE));
    BITMAP description = {};
    if (!GetObjectA(bitmap, sizeof description, &description)) return nullptr;
    if (bitCount == 0) bitCount = WORD(description.bmPlanes * description.bmBitsPixel);
    BITMAPINFOHEADER info = HeaderOfBitmap(description, compression, bitCount);

    ScreenWithPalette screen(palette);
    DWORD tableSize = DibColourTableSize(&info);
    // With masks the system writes three of them behind the header, where no colour table is reserved.
    DWORD reserved = compression == BI_BITFIELDS && tableSize < 12 ? 12 : tableSize;
    HGLOBAL block = GlobalAlloc(GHND, info.biSize + reserved);
    if (!block) return nullptr;
    if (!FillHeaderAndTable(screen.dc(), bitmap, block, &info)) {
        GlobalFree(block);
        return nullptr;
    }
    if (info.biSizeImage == 0) {
        uint64_t imageSize = dib::ImageSize(info);
        info.biSizeImage = DWORD(compression == BI_RGB ? imageSize : imageSize * 3 / 2);
    }
    HGLOBAL grown = GlobalReAlloc(block, info.biSize + tableSize + info.biSizeImage, GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (!grown) {
        GlobalFree(block);
        return nullptr;
    }
    if (!FillBits(screen.dc(), bitmap, grown, info, tableSize)) {
        GlobalFree(grown);
        return nullptr;
    }
    return grown;
}
