// One row for each tool state: what its press, moves and release do, its cursor and its sounds. Each kind
// of tool keeps its rows beside its actions; the dispatcher finds a state's row by the state.
#pragma once

#include <span>

#include "base/sound.h"
#include "canvas/stroke.h"
#include "canvas/tools.h"

using PressAction = void (*)(CanvasStroke& stroke, ToolState state);
using MoveAction = void (*)(CanvasStroke& stroke, ToolState state, POINT p);
using ReleaseAction = void (*)(CanvasStroke& stroke, ToolState state, POINT p);

// The canvas cursors by resource number (CURSOR_n).
enum ToolCursor : int {
    kPlainCursor = 1, kPenCursor, kRibbonCursor, kBlocksCursor, kDripCursor, kGrassCursor = 7, kBirdsCursor,
    kTextCursor, kReversedRibbonCursor, kFillCursor, kSoftPenCursor, kWhitePolygonCursor, kThinPenCursor,
    kRegionCursor, kSprayCursor, kBubblesCursor, kBurstCursor, kVerticalNibCursor, kHorizontalNibCursor,
    kConfettiCursor, kMoveCursor,
};

struct ToolRow {
    ToolState state = kNoToolState;
    // Without a press action the stroke starts at the press point, and so does an outline's far corner.
    PressAction press = nullptr;
    MoveAction move = nullptr;
    ReleaseAction release = nullptr;
    ToolCursor cursor = kPlainCursor;
    // Played before the press's or the release's drawing.
    Sound pressSound = kNoSound;
    Sound releaseSound = kNoSound;
    // The press does everything: no stroke follows it.
    bool oneClick = false;
};

// The rows of each kind of tool.
std::span<const ToolRow> BrushRows();
std::span<const ToolRow> ShapeRows();
std::span<const ToolRow> OneClickRows();
std::span<const ToolRow> GeometryPenRows();
std::span<const ToolRow> MirrorPenRows();
std::span<const ToolRow> PolygonRows();
std::span<const ToolRow> RegionRows();

// The row of a state from 1 to kLastToolState; a state no kind has (29, 31, 33) only starts a stroke.
const ToolRow& ToolRowFor(ToolState state);
