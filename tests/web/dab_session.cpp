// dab on the headless backend, as the browser check drives it in the page: started on a screen of the given
// size with no settings, a stroke drawn through the points given (the first pressed, the last released),
// then the screen written as a PPM picture for the check to compare with the page's canvas.
#include <cstdio>
#include <cstdlib>

#include "platform/gdi/dc.h"
#include "platform/testing.h"

int main(int argc, char** argv) {
    if (argc < 6 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: dab_session WIDTH HEIGHT OUT.ppm X Y [X Y ...]\n");
        return 2;
    }
    testing::UseScreen(std::atoi(argv[1]), std::atoi(argv[2]));
    testing::SetKnownFolder(CSIDL_APPDATA, "/nonexistent/dab-settings");
    testing::SetKnownFolder(CSIDL_COMMON_APPDATA, "/nonexistent/dab-settings");
    testing::StartProgram(
        [] { return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL); });
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
    bool written = std::fclose(f) == 0;
    // The program is left running: the screen is all the check needs, and a close would ask the quit question.
    std::fflush(stdout);
    std::_Exit(written ? 0 : 2);
}
