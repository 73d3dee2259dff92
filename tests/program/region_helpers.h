// Choosing the region tools and the text tool from the frame as a child does, and the pictures the
// region and text tests start from.
#pragma once

#include "frame_helpers.h"
#include "tools_helpers.h"

namespace dab_test {

// The region-tool button of the left column, the page arrow to page 2 if asked, then the option: the
// option's click takes the snapshot.
inline void ChooseRegionOption(int page, int n) {
    ClickFrame(20, 295);
    if (page == 2) ClickFrame(290, 54);
    ChooseOptionButton(n);
}

inline void ClickTextButton() { ClickFrame(20, 337); }

// A picture where every pixel differs from its neighbours, so a moved, turned or scaled part shows.
inline COLORREF Gradient(int x, int y) { return RGB(x * 7 % 256, y * 5 % 256, (x + y) % 256); }

}  // namespace dab_test
