// Reading a picture's header and colour table, and the numbers derived from a header.
#include <cstdint>
#include <cstring>

#include "dib/dib.h"
#include "dib/dib_layout.h"

namespace {

WORD ColourCountOfDepth(WORD bitCount) {
    switch (bitCount) {
        case 1: return 2;
        case 4: return 16;
        case 8: return 256;
        default: return 0;
    }
}

// The 12-byte form's fields lie where the 40-byte record has other ones, so they are read as bytes.
struct CoreFields {
    WORD width, height, planes, bitCount;
};

CoreFields ReadCoreFields(const BITMAPINFOHEADER* info) {
    const BYTE* bytes = reinterpret_cast<const BYTE*>(info);
    CoreFields core;
    std::memcpy(&core.width, bytes + 4, 2);
    std::memcpy(&core.height, bytes + 6, 2);
    std::memcpy(&core.planes, bytes + 8, 2);
    std::memcpy(&core.bitCount, bytes + 10, 2);
    return core;
}

void WidenCoreHeader(BITMAPINFOHEADER* info, WORD colourCount) {
    CoreFields core = ReadCoreFields(info);
    *info = {};
    info->biSize = dib::kInfoHeaderSize;
    info->biWidth = core.width;
    info->biHeight = core.height;
    info->biPlanes = core.planes;
    info->biBitCount = core.bitCount;
    info->biClrUsed = colourCount;
    info->biClrImportant = colourCount;
}

// A core file's table has 3 bytes an entry; from the last back, so no entry is overwritten before it moves.
void WidenCoreTable(BYTE* table, WORD colourCount) {
    for (int i = colourCount - 1; i >= 0; i--) {
        BYTE blue = table[3 * i], green = table[3 * i + 1], red = table[3 * i + 2];
        table[4 * i] = blue;
        table[4 * i + 1] = green;
        table[4 * i + 2] = red;
        table[4 * i + 3] = 0;
    }
}

}  // namespace

WORD DibColourCount(const BITMAPINFOHEADER* info) {
    if (info->biSize == dib::kCoreHeaderSize) return ColourCountOfDepth(ReadCoreFields(info).bitCount);
    if (info->biClrUsed != 0) return WORD(info->biClrUsed);
    return ColourCountOfDepth(info->biBitCount);
}

// A 40-byte header with BI_BITFIELDS counts no colours, yet its three colour masks lie where the table
// begins; they are carried as part of it, or the picture would take its first pixels as masks.
WORD DibColourTableSize(const BITMAPINFOHEADER* info) {
    if (info->biSize == dib::kCoreHeaderSize) return WORD(DibColourCount(info) * 3);
    WORD masks = info->biCompression == BI_BITFIELDS ? dib::kColourMasksSize : 0;
    return WORD(masks + DibColourCount(info) * 4);
}

HGLOBAL ReadDibHeader(HFILE file) {
    LONG start = _llseek(file, 0, FILE_CURRENT);
    if (start == HFILE_ERROR) return nullptr;
    BITMAPFILEHEADER fileHeader = {};
    ReadFileHeader(file, &fileHeader);
    if (fileHeader.bfType != dib::kBitmapType) {
        fileHeader.bfOffBits = 0;
        _llseek(file, start, FILE_BEGIN);
    }
    BITMAPINFOHEADER info = {};
    if (_lread(file, &info, sizeof info) != sizeof info) return nullptr;
    bool core = info.biSize == dib::kCoreHeaderSize;
    bool extended = info.biSize == dib::kV4HeaderSize || info.biSize == dib::kV5HeaderSize;
    if (!core && !extended && info.biSize != dib::kInfoHeaderSize) return nullptr;
    // The longer headers of newer programs begin with the 40-byte one and hold the colour masks next; the
    // rest (alpha, colour space) is of no use here, so they are carried in the 40-byte form.
    BYTE masks[dib::kColourMasksSize] = {};
    if (extended) {
        if (_lread(file, masks, sizeof masks) != sizeof masks) return nullptr;
        _llseek(file, LONG(info.biSize - dib::kInfoHeaderSize - sizeof masks), FILE_CURRENT);
        info.biSize = dib::kInfoHeaderSize;
    }
    WORD colourCount = DibColourCount(&info);
    if (core) {
        WidenCoreHeader(&info, colourCount);
        _llseek(file, -LONG(sizeof info - dib::kCoreHeaderSize), FILE_CURRENT);
    }
    if (info.biSizeImage == 0) info.biSizeImage = DWORD(dib::ImageSize(info));
    if (info.biClrUsed == 0) info.biClrUsed = colourCount;
    if (!dib::HeaderIsSafe(info)) return nullptr;
    int64_t bitsOffset = int64_t(start) + fileHeader.bfOffBits;
    if (bitsOffset > INT32_MAX) return nullptr;  // beyond what _llseek can reach where LONG has 32 bits

    // The block's table has 4-byte entries whatever the file's are (and the masks of BI_BITFIELDS).
    DWORD tableSize = DibColourTableSize(&info);
    HGLOBAL block = GlobalAlloc(GHND, info.biSize + tableSize);
    BYTE* bytes = block ? static_cast<BYTE*>(GlobalLock(block)) : nullptr;
    if (!bytes) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(bytes, &info, sizeof info);
    BYTE* table = bytes + info.biSize;
    if (core) {
        _lread(file, table, colourCount * 3u);
        WidenCoreTable(table, colourCount);
    } else if (extended && info.biCompression == BI_BITFIELDS) {
        std::memcpy(table, masks, sizeof masks);
        _lread(file, table + sizeof masks, tableSize - sizeof masks);
    } else if (tableSize != 0) {
        _lread(file, table, tableSize);
    }
    GlobalUnlock(block);
    if (fileHeader.bfOffBits != 0) _llseek(file, LONG(bitsOffset), FILE_BEGIN);
    return block;
}

int GetDibInfo(HGLOBAL dib, BITMAPINFOHEADER* info) {
    if (!dib || GlobalSize(dib) < sizeof *info) return 0;
    const void* bytes = GlobalLock(dib);
    if (!bytes) return 0;
    std::memcpy(info, bytes, sizeof *info);
    GlobalUnlock(dib);
    if (info->biSize != dib::kCoreHeaderSize) {
        if (info->biSizeImage == 0) info->biSizeImage = DWORD(dib::ImageSize(*info));
        if (info->biClrUsed == 0) info->biClrUsed = DibColourCount(info);
    }
    return 1;
}
