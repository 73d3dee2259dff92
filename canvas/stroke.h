// What a stroke on the canvas remembers from its press through its moves to its release. The tool
// dispatcher owns the one stroke there is and hands it to the tool's actions.
#pragma once

#include "platform/win32.h"

// A coordinate and its mirror image across the canvas's middle line.
struct MirroredPair {
    int at = 0;
    int image = 0;
};

struct CanvasStroke {
    // From the press until the release; moves are ignored otherwise.
    bool active = false;
    // Where the next segment starts: the press point, then wherever the pen last drew to. The tools that
    // draw every segment from the press point (the fan, the point mirror, the curtain) leave it there.
    POINT from{};
    // The shapes, the line, the box and the region drags: the far corner of the outline on the screen.
    POINT outlineCorner{};
    // The mirrored pens: the last x and y the pen reached, each with its image.
    MirroredPair lastX, lastY;
};
