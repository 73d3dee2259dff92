// Clicking the frame the way a child does, at frame client coordinates.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "base/frame_layout.h"
#include "dab.h"

namespace dab_test {

// The frame's navy and the chosen option's highlight as the screen shows them.
constexpr COLORREF kNavy = RGB(0, 0, 127), kHighlightRgb = RGB(0, 140, 228);

// The frame's client area starts one pixel in from the screen's corner.
inline void ClickFrame(int x, int y) {
    testing::Press(x + 1, y + 1);
    testing::Release(x + 1, y + 1);
    testing::WaitUntilIdle();
}

inline void ClickUndoButton() { ClickFrame(20, 460); }

inline COLORREF FramePixel(int x, int y) { return testing::ScreenPixel(x + 1, y + 1); }

// Option button n (1 to 12) of the option strip: the middle of its icon.
inline POINT OptionButtonCentre(int n) {
    POINT origin = OptionButtonOrigin(n);
    return {origin.x + kOptionIconSize / 2, origin.y + kOptionIconSize / 2};
}

inline void ChooseOptionButton(int n) {
    POINT p = OptionButtonCentre(n);
    ClickFrame(p.x, p.y);
}

// The screen as a PNG in sessions/ of the current folder, for a person to look at.
inline void SaveSession(const std::string& name) {
    std::filesystem::create_directories("sessions");
    EXPECT_TRUE(testing::SaveScreenPng("sessions/" + name + ".png"));
}

}  // namespace dab_test
