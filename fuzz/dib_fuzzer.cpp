// Pictures from anywhere: each input is read as a picture file and, when taken, drawn onto a small
// surface, written out and read back. Any crash, sanitizer report or broken round trip is a fault.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "dib/dib.h"

namespace {

// Round trips of large pictures take the fuzzer's time from the headers, where the faults live.
constexpr SIZE_T kLargestRoundTrip = 1 << 20;

struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    std::string folder, input, output;
};

Surface& TheSurface() {
    static Surface surface;
    return surface;
}

void RemoveFolder() { std::filesystem::remove_all(TheSurface().folder); }

bool SaveInput(const std::string& name, const uint8_t* data, size_t size) {
    FILE* file = std::fopen(name.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
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

void CheckLayout(HGLOBAL block) {
    BITMAPINFOHEADER info;
    if (!GetDibInfo(block, &info) || info.biSize != 40) abort();
    if (GlobalSize(block) != SIZE_T(info.biSize) + DibColourTableSize(&info) + info.biSizeImage) abort();
}

// The whole picture into the surface, then a part of it chosen by the input's last bytes.
void Draw(HGLOBAL block, const uint8_t* data, size_t size) {
    HDC dc = TheSurface().dc;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDibToDevice(dc, 0, 0, 32, 24, block, 0, 0, -1, -1, SRCCOPY);
    if (size < 4) return;
    const uint8_t* choice = data + size - 4;
    SetStretchBltMode(dc, choice[0] & 1 ? BLACKONWHITE : COLORONCOLOR);
    StretchDibToDevice(dc, choice[0] % 7 - 3, choice[1] % 7 - 3, 20, 15, block, choice[1] % 40 - 8, choice[2] % 40 - 8,
                       choice[3] % 50 - 10, choice[2] % 50 - 10, SRCCOPY);
}

void RoundTrip(HGLOBAL block) {
    if (GlobalSize(block) > kLargestRoundTrip) return;
    if (WriteDibFile(TheSurface().output.c_str(), block) != 1) abort();
    HGLOBAL again = ReadDibFile(TheSurface().output.c_str());
    if (!again || !SameBlocks(block, again)) abort();
    GlobalFree(again);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Surface& surface = TheSurface();
    std::string pattern = (std::filesystem::temp_directory_path() / "dab-dib-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) abort();
    surface.folder = pattern;
    surface.input = pattern + "/input.bmp";
    surface.output = pattern + "/output.bmp";
    atexit(RemoveFolder);
    HDC screen = GetDC(nullptr);
    surface.dc = CreateCompatibleDC(screen);
    surface.bitmap = CreateCompatibleBitmap(screen, 32, 24);
    ReleaseDC(nullptr, screen);
    SelectObject(surface.dc, surface.bitmap);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!SaveInput(TheSurface().input, data, size)) abort();
    HGLOBAL block = ReadDibFile(TheSurface().input.c_str());
    if (!block) return 0;
    CheckLayout(block);
    Draw(block, data, size);
    RoundTrip(block);
    GlobalFree(block);
    return 0;
}
