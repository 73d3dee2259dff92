// One row for each tool state: what its press, moves and release do, its cursor and its sounds.
#pragma once

#include "base/sound.h"
#include "canvas/stroke.h"
#include "canvas/tools.h"

using PressAction = void (*)(Stroke& stroke, ToolState state);
using MoveAction = void (*)(Stroke& stroke, ToolState state, POINT p);
using ReleaseAction = void (*)(Stroke& stroke, ToolState state, POINT p);

struct ToolRow {
    ToolState state;
    // Without a press action the stroke starts at the press point, and so does an outline's far corner.
    PressAction press = nullptr;
    MoveAction move = nullptr;
    ReleaseAction release = nullptr;
    // The number of the canvas cursor resource (CURSOR_n).
    int cursor = 1;
    // Played before the press's or the release's drawing.
    Sound pressSound = kNoSound;
    Sound releaseSound = kNoSound;
    // The press does everything: no stroke follows it.
    bool oneClick = false;
};

// The row of a state from 1 to kLastToolState.
const ToolRow& ToolRowFor(ToolState state);
