// Picture files: reading one into a block and writing a block to one.
#include "dib/dib.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "dib/dib_layout.h"

namespace {

// The bytes from the file's position to its end; -1 when they cannot be told.
int64_t BytesLeft(HFILE file) {
    LONG here = _llseek(file, 0, FILE_CURRENT);
    if (here == HFILE_ERROR) return -1;
    LONG end = _llseek(file, 0, FILE_END);
    if (_llseek(file, here, FILE_BEGIN) == HFILE_ERROR || end == HFILE_ERROR) return -1;
    return std::max<int64_t>(0, int64_t(end) - here);
}

// Grows the block to hold the bits behind the header and table, as many as the file holds, and reads
// them; the block's image size becomes what it keeps. A header claiming more pixels than those bits can
// hold is refused, so a lying header costs no memory.
HGLOBAL ReadBitsIntoBlock(HFILE file, HGLOBAL block) {
    BITMAPINFOHEADER info;
    GetDibInfo(block, &info);
    int64_t bytesInFile = BytesLeft(file);
    if (bytesInFile >= 0) info.biSizeImage = DWORD(dib::BitsToKeep(info, uint64_t(bytesInFile)));
    if (bytesInFile < 0 || !dib::BitsHoldThePixels(info)) {
        GlobalFree(block);
        return nullptr;
    }
    DWORD bitsOffset = info.biSize + DibColourTableSize(&info);
    HGLOBAL grown = GlobalReAlloc(block, bitsOffset + info.biSizeImage, GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (!grown) {
        GlobalFree(block);
        return nullptr;
    }
    BYTE* bytes = static_cast<BYTE*>(GlobalLock(grown));
    if (bytes) {
        std::memcpy(bytes + offsetof(BITMAPINFOHEADER, biSizeImage), &info.biSizeImage, sizeof info.biSizeImage);
        ReadInChunks(file, bytes + bitsOffset, info.biSizeImage);
    }
    GlobalUnlock(grown);
    return grown;
}

}  // namespace

HGLOBAL ReadDibFile(LPCSTR fileName) {
    OFSTRUCT record;
    HFILE file = OpenFile(fileName, &record, OF_READ);
    if (file == HFILE_ERROR) return nullptr;
    HGLOBAL block = ReadDibHeader(file);
    if (block) block = ReadBitsIntoBlock(file, block);
    _lclose(file);
    return block;
}

bool DibFileHeader(HGLOBAL dib, BITMAPFILEHEADER* header) {
    BITMAPINFOHEADER info;
    if (!GetDibInfo(dib, &info)) return false;
    // A block holding less than its header says is refused, so nothing is read past its end.
    uint64_t blockSize = dib::BlockLayoutSize(info);
    if (blockSize > GlobalSize(dib) || blockSize > 0xFFFFFFFFu - sizeof(BITMAPFILEHEADER)) return false;
    *header = {};
    header->bfType = dib::kBitmapType;
    header->bfSize = DWORD(sizeof *header + blockSize);
    header->bfOffBits = DWORD(sizeof *header + info.biSize + DibColourTableSize(&info));
    return true;
}

int WriteDibFile(LPCSTR fileName, HGLOBAL dib) {
    BITMAPFILEHEADER header;
    if (!DibFileHeader(dib, &header)) return 0;
    DWORD blockSize = header.bfSize - DWORD(sizeof header);
    const void* bytes = GlobalLock(dib);
    if (!bytes) return 0;

    OFSTRUCT record;
    HFILE file = OpenFile(fileName, &record, OF_CREATE | OF_READWRITE);
    if (file == HFILE_ERROR) {
        GlobalUnlock(dib);
        return 0;
    }
    WriteFileHeader(file, &header);
    bool bitsWritten = WriteInChunks(file, bytes, blockSize) == blockSize;
    // The header's writes report nothing, but the file's end tells whether they all went in.
    bool everythingWritten = bitsWritten && _llseek(file, 0, FILE_CURRENT) == LONG(header.bfSize);
    bool closed = _lclose(file) == 0;
    GlobalUnlock(dib);
    return everythingWritten && closed ? 1 : 0;
}
