// Clicking the frame the way a child does, at frame client coordinates.
#pragma once

#include <string>

#include "dab.h"

namespace dab_test {

// The frame's client area starts one pixel in from the screen's corner.
inline void ClickFrame(int x, int y) {
    testing::Press(x + 1, y + 1);
    testing::Release(x + 1, y + 1);
    testing::WaitUntilIdle();
}

inline COLORREF FramePixel(int x, int y) { return testing::ScreenPixel(x + 1, y + 1); }

// The sound files played since the last clear, in order.
inline std::vector<std::string> SoundFiles() {
    std::vector<std::string> files;
    for (const testing::SoundRecord& r : testing::SoundsPlayed()) files.push_back(r.file);
    return files;
}

}  // namespace dab_test
