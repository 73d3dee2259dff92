// The graphics engine from tests: how many objects have a handle, to catch leaks.
#pragma once

#include <cstddef>

namespace testing {

// Pens, brushes, palettes, bitmaps, fonts and device contexts alive now, stock objects included.
size_t LiveGdiObjects();

}  // namespace testing
