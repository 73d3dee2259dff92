// What the headless runs of a program share: the program started on a screen of a size, a stroke through
// points given on the command line, and the screen written as a PPM picture for a check to compare with
// what a real display shows.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "platform/gdi/dc.h"
#include "platform/testing.h"

// Starts the program's WinMain on a screen of that size and waits until it has painted. The machine's own
// settings never count: no settings folder exists.
inline void StartOnScreen(int width, int height) {
    testing::UseScreen(width, height);
    testing::SetKnownFolder(CSIDL_APPDATA, "/nonexistent/dab-settings");
    testing::SetKnownFolder(CSIDL_COMMON_APPDATA, "/nonexistent/dab-settings");
    testing::StartProgram(
        [] { return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL); });
    testing::WaitUntilIdle();
}

// points: X Y pairs as text; the first is pressed, the last released, each move drawn before the next.
inline void DrawStroke(char** points, int count) {
    for (int i = 0; i + 1 < count; i += 2) {
        int x = std::atoi(points[i]), y = std::atoi(points[i + 1]);
        if (i == 0)
            testing::Press(x, y);
        else
            testing::Move(x, y);
        if (i + 2 >= count) testing::Release(x, y);
        testing::WaitUntilIdle();
    }
}

inline bool WriteScreenPpm(const char* path) {
    gdi::Surface& s = gdi::ScreenSurface();
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", s.width, s.height);
    for (int y = 0; y < s.height; y++)
        for (int x = 0; x < s.width; x++) {
            uint32_t p = s.at(x, y);
            unsigned char rgb[3] = {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)};
            std::fwrite(rgb, 1, 3, f);
        }
    return std::fclose(f) == 0;
}
