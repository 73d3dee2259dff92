// The smoke program on the headless backend: runs it on a screen of the given size until it has painted,
// draws a stroke through the points given (the first pressed, the last released), writes the screen as a
// PPM picture, then closes it and checks that it ends with 0.
#include <cstdio>
#include <cstdlib>

#include "platform/gdi/dc.h"
#include "platform/testing.h"

int main(int argc, char** argv) {
    if (argc < 4 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: smoke_headless WIDTH HEIGHT OUT.ppm [X Y ...]\n");
        return 2;
    }
    testing::UseScreen(std::atoi(argv[1]), std::atoi(argv[2]));
    // The machine's own settings never count: no settings folder exists.
    testing::SetKnownFolder(CSIDL_APPDATA, "/nonexistent/dab-settings");
    testing::SetKnownFolder(CSIDL_COMMON_APPDATA, "/nonexistent/dab-settings");
    testing::StartProgram([] { return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL); });
    testing::WaitUntilIdle();
    for (int i = 4; i + 1 < argc; i += 2) {
        int x = std::atoi(argv[i]), y = std::atoi(argv[i + 1]);
        if (i == 4)
            testing::Press(x, y);
        else
            testing::Move(x, y);
        if (i + 2 >= argc) testing::Release(x, y);
        testing::WaitUntilIdle();
    }
    gdi::Surface& s = gdi::ScreenSurface();
    FILE* f = std::fopen(argv[3], "wb");
    if (!f) return 2;
    std::fprintf(f, "P6\n%d %d\n255\n", s.width, s.height);
    for (int y = 0; y < s.height; y++)
        for (int x = 0; x < s.width; x++) {
            uint32_t p = s.at(x, y);
            unsigned char rgb[3] = {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)};
            std::fwrite(rgb, 1, 3, f);
        }
    std::fclose(f);
    testing::RequestClose();
    int result = testing::WaitForExit();
    if (result != 0) std::fprintf(stderr, "smoke_headless: the program ended with %d\n", result);
    return result;
}
