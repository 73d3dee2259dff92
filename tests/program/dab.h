// Running dab on the headless backend for a test: the program on its own thread, in a child process of
// its own, so that every test starts from the program's initial state.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/testing.h"
#include "tests/platform/surfaces.h"

namespace dab_test {

// The clock the tests start the program at, and so its random seed: 2026-06-01 12:00:00 UTC.
constexpr int64_t kStartTime = 1780315200;

struct Screen {
    int width, height;
};
inline void PrintTo(const Screen& s, std::ostream* out) { *out << s.width << "x" << s.height; }

// Starts dab on a screen of that size, waits until it is idle, runs body and reports body's failures as
// this test's. The program keeps running while body drives it; body may end it.
void RunDab(Screen screen, const std::function<void()>& body);

// Screen coordinates of a canvas client point: the frame's client starts at (1, 1) and the canvas's
// client one pixel inside its border at (50, 72) of that.
inline int CanvasToScreenX(int x) { return x + 52; }
inline int CanvasToScreenY(int y) { return y + 74; }

// The user's and the machine's settings folders, where the program looks for dab\dab.ini, from now on and
// for the programs RunDab starts; an empty path stands for none. Until a test chooses, RunDab's program
// finds none, so the settings of the machine the tests run on never count.
void UseSettingsFolders(const std::filesystem::path& user, const std::filesystem::path& machine);

// The sound files played since the last clear, in order.
inline std::vector<std::string> SoundFiles() {
    std::vector<std::string> files;
    for (const testing::SoundRecord& r : testing::SoundsPlayed()) files.push_back(r.file);
    return files;
}

// The folder of the test program, as GetModuleFileNameA gives it.
std::string ExecutableFolder();

}  // namespace dab_test
