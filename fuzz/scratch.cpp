#include "fuzz/scratch.h"

#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "dib/dib.h"
#include "fuzz/input_bounds.h"

namespace fuzz {
namespace {

void RemoveFolder() { std::filesystem::remove_all(TheScratch().folder); }

void SaveInput(const uint8_t* data, size_t size) {
    FILE* file = std::fopen(TheScratch().input.c_str(), "wb");
    if (!file) abort();
    bool written = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) abort();
}

void ReadInputHeader() {
    OFSTRUCT record;
    HFILE file = OpenFile(TheScratch().input.c_str(), &record, OF_READ);
    if (file == HFILE_ERROR) abort();
    HGLOBAL header = ReadDibHeader(file);
    _lclose(file);
    if (header) GlobalFree(header);
}

Scratch MakeScratch() {
    Scratch scratch;
    std::string pattern = (std::filesystem::temp_directory_path() / "dab-dib-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) abort();
    scratch.folder = pattern;
    scratch.input = pattern + "/input.bmp";
    scratch.output = pattern + "/output.bmp";
    HDC screen = GetDC(nullptr);
    for (int i = 0; i < 2; i++) {
        scratch.dc[i] = CreateCompatibleDC(screen);
        scratch.bitmap[i] = CreateCompatibleBitmap(screen, kSurfaceWidth, kSurfaceHeight);
        SelectObject(scratch.dc[i], scratch.bitmap[i]);
    }
    ReleaseDC(nullptr, screen);
    atexit(RemoveFolder);
    return scratch;
}

}  // namespace

// Never destroyed, so that the folder's name outlives the removal at exit.
Scratch& TheScratch() {
    static Scratch& scratch = *new Scratch(MakeScratch());
    return scratch;
}

int ReadInput(const uint8_t* data, size_t size, HGLOBAL* block) {
    SaveInput(data, size);
    *block = nullptr;
    if (!ClaimsLittleEnough(data, size)) {
        ReadInputHeader();
        return -1;
    }
    *block = ReadDibFile(TheScratch().input.c_str());
    if (*block) CheckLayout(*block);
    return 0;
}

void DrawWhole(int surface, HGLOBAL block) {
    HDC dc = TheScratch().dc[surface];
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDibToDevice(dc, 0, 0, kSurfaceWidth, kSurfaceHeight, block, 0, 0, -1, -1, SRCCOPY);
}

void CheckLayout(HGLOBAL block) {
    BITMAPINFOHEADER info;
    if (!GetDibInfo(block, &info) || info.biSize != 40) abort();
    if (GlobalSize(block) != SIZE_T(info.biSize) + DibColourTableSize(&info) + info.biSizeImage) abort();
}

bool SameBlocks(HGLOBAL first, HGLOBAL second) {
    SIZE_T size = GlobalSize(first);
    if (GlobalSize(second) != size) return false;
    const void* a = GlobalLock(first);
    const void* b = GlobalLock(second);
    bool same = std::memcmp(a, b, size) == 0;
    GlobalUnlock(first);
    GlobalUnlock(second);
    return same;
}

}  // namespace fuzz
