// Saving and opening again: each input is read as a picture file and, when taken, written out and read
// back; then drawn onto a small surface and saved from it as the program saves the canvas, at a depth the
// input's last byte chooses, written out and read back again. What is read back must be what was
// written, and drawing a saved picture and saving it again must give the same picture.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "dib/dib.h"
#include "fuzz/scratch.h"

namespace {

constexpr WORD kDepths[] = {1, 4, 8, 24};

// A palette of distinct colours, as the program's is: a colour cube and greys that are not on it.
HPALETTE MakePalette() {
    struct {
        WORD version = 0x300, count = 256;
        PALETTEENTRY entries[256];
    } palette;
    const BYTE levels[] = {0, 51, 102, 153, 204, 255};
    for (int i = 0; i < 216; i++) palette.entries[i] = {levels[i / 36], levels[i / 6 % 6], levels[i % 6], 0};
    for (int i = 216; i < 256; i++) {
        BYTE grey = BYTE((i - 216) * 6 + 4);
        palette.entries[i] = {grey, grey, grey, 0};
    }
    return CreatePalette(reinterpret_cast<LOGPALETTE*>(&palette));
}

HPALETTE ThePalette() {
    static HPALETTE palette = MakePalette();
    return palette;
}

// The same header, once the counts a header may leave at zero are filled in as the reader fills them in,
// and the same table and bits.
bool SamePictures(HGLOBAL first, HGLOBAL second) {
    BITMAPINFOHEADER a, b;
    if (!GetDibInfo(first, &a) || !GetDibInfo(second, &b) || std::memcmp(&a, &b, sizeof a) != 0) return false;
    SIZE_T size = GlobalSize(first);
    if (GlobalSize(second) != size) return false;
    const BYTE* x = static_cast<const BYTE*>(GlobalLock(first));
    const BYTE* y = static_cast<const BYTE*>(GlobalLock(second));
    bool same = std::memcmp(x + sizeof a, y + sizeof b, size - sizeof a) == 0;
    GlobalUnlock(first);
    GlobalUnlock(second);
    return same;
}

void WriteAndReadBack(HGLOBAL block) {
    const char* output = fuzz::TheScratch().output.c_str();
    if (WriteDibFile(output, block) != 1) abort();
    HGLOBAL again = ReadDibFile(output);
    if (!again || !SamePictures(block, again)) abort();
    GlobalFree(again);
}

HGLOBAL SaveSurface(int surface, WORD depth) {
    HGLOBAL block = DibFromBitmap(fuzz::TheScratch().bitmap[surface], BI_RGB, depth, ThePalette());
    if (!block) abort();
    fuzz::CheckLayout(block);
    return block;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HGLOBAL block;
    if (int kept = fuzz::ReadInput(data, size, &block); !block) return kept;
    WriteAndReadBack(block);

    WORD depth = kDepths[data[size - 1] % 4];
    fuzz::DrawWhole(0, block);
    HGLOBAL saved = SaveSurface(0, depth);
    WriteAndReadBack(saved);
    fuzz::DrawWhole(1, saved);
    HGLOBAL savedAgain = SaveSurface(1, depth);
    if (!fuzz::SameBlocks(saved, savedAgain)) abort();

    GlobalFree(savedAgain);
    GlobalFree(saved);
    GlobalFree(block);
    return 0;
}
