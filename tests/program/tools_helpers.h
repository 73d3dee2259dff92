// Driving the canvas tools as a child does: mouse input at canvas client points, then reading what the
// tools drew and played.
#pragma once

#include <string>
#include <vector>

#include "base/colours.h"
#include "base/state.h"
#include "canvas/tools.h"
#include "canvas_pixels.h"
#include "dab.h"

namespace dab_test {

inline void CanvasPress(POINT p) { testing::Press(CanvasToScreenX(p.x), CanvasToScreenY(p.y)); }
inline void CanvasMove(POINT p) { testing::Move(CanvasToScreenX(p.x), CanvasToScreenY(p.y)); }
inline void CanvasRelease(POINT p) { testing::Release(CanvasToScreenX(p.x), CanvasToScreenY(p.y)); }
inline void CanvasRightPress(POINT p) { testing::RightPress(CanvasToScreenX(p.x), CanvasToScreenY(p.y)); }

// A press at the first point, a move to each of the others and the release at the last, handled.
inline void Stroke(const std::vector<POINT>& points) {
    CanvasPress(points.front());
    for (size_t i = 1; i < points.size(); i++) CanvasMove(points[i]);
    CanvasRelease(points.back());
    testing::WaitUntilIdle();
}

inline void Click(POINT p) { Stroke({p}); }

// The tool as the option bar leaves it: the state, with sound records cleared.
inline void UseTool(ToolState state) {
    SetToolState(state);
    testing::ClearMediaRecords();
}

// The pixels of the image that are not white.
inline std::vector<POINT> Painted(const CanvasImage& image) {
    std::vector<POINT> points;
    for (int y = 0; y < image.height; y++)
        for (int x = 0; x < image.width; x++)
            if (image.at(x, y) != kWhite) points.push_back({x, y});
    return points;
}

// How many pixels of column x between the rows top and bottom (inclusive) are not white.
inline int PaintedInColumn(int x, int top, int bottom) {
    int n = 0;
    for (int y = top; y <= bottom; y++) n += CanvasPixel(x, y) != kWhite;
    return n;
}

inline bool IsFamilyColour(COLORREF c) {
    for (int i = 0; i < kFamilyColours; i++)
        if (paletteColours[i] == c) return true;
    return false;
}

}  // namespace dab_test
