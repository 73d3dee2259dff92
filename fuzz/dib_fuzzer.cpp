// Pictures from anywhere: each input is read as a picture file and, when taken, drawn whole and in part
// onto a small surface. Any crash, sanitizer report or block laid out otherwise than promised is a fault.
#include <cstddef>
#include <cstdint>

#include "dib/dib.h"
#include "fuzz/scratch.h"

namespace {

// The whole picture into the surface, then a part of it chosen by the input's last bytes.
void Draw(HGLOBAL block, const uint8_t* data, size_t size) {
    fuzz::DrawWhole(0, block);
    if (size < 4) return;
    HDC dc = fuzz::TheScratch().dc[0];
    const uint8_t* choice = data + size - 4;
    SetStretchBltMode(dc, choice[0] & 1 ? BLACKONWHITE : COLORONCOLOR);
    StretchDibToDevice(dc, choice[0] % 7 - 3, choice[1] % 7 - 3, 20, 15, block, choice[1] % 40 - 8, choice[2] % 40 - 8,
                       choice[3] % 50 - 10, choice[2] % 50 - 10, SRCCOPY);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HGLOBAL block;
    if (int kept = fuzz::ReadInput(data, size, &block); !block) return kept;
    Draw(block, data, size);
    GlobalFree(block);
    return 0;
}
