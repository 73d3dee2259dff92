#include "canvas/tools.h"

#include "base/sound.h"
#include "base/state.h"
#include "canvas/cursors.h"
#include "canvas/selection.h"
#include "canvas/stroke.h"
#include "canvas/text.h"
#include "canvas/tool_table.h"

namespace {

ToolState toolState = kNoToolState;
// Never cleared: a press sets what its tool's moves and release read.
CanvasStroke stroke;

// A press in state 0 on the selection picks it up to move it; anywhere else drops it.
void PressWithSelection(POINT p) {
    if (SelectionUnder(p)) {
        SetCursor(CursorForToolState(kMoveSelectionState));
        toolState = kMoveSelectionState;
    } else {
        CancelSelection();
    }
}

bool HasRow(ToolState state) { return state > kNoToolState && state <= kLastToolState; }

void RunPressAction(ToolState state) {
    // Nothing is drawn with no tool, and text is placed before any dispatch.
    if (!HasRow(state)) return;
    const ToolRow& row = ToolRowFor(state);
    if (row.pressSound) PlaySoundEffect(row.pressSound);
    if (row.press)
        row.press(stroke, state);
    else
        stroke.outlineCorner = stroke.from;
    stroke.active = !row.oneClick;
}

}  // namespace

ToolState CurrentToolState() { return toolState; }

void SetToolState(ToolState state) { toolState = state; }

bool StrokeActive() { return stroke.active; }

void ToolPress(POINT point) {
    stroke.from = point;
    if (TextEntryActive()) {
        FinishText();
        return;
    }
    if (TextPlacePending()) {
        BeginTextEntry(point);
        return;
    }
    if (CurrentSelectionMode() != kNoSelection && toolState == kNoToolState) PressWithSelection(point);
    RunPressAction(toolState);
    SetCapture(canvasWindow);
}

void ToolMove(POINT point) {
    if (!stroke.active || !HasRow(toolState)) return;
    if (MoveAction move = ToolRowFor(toolState).move) move(stroke, toolState, point);
}

void ToolRelease(POINT point) {
    stroke.active = false;
    ReleaseCapture();
    if (!HasRow(toolState)) return;
    const ToolRow& row = ToolRowFor(toolState);
    if (!row.release) return;
    if (row.releaseSound) PlaySoundEffect(row.releaseSound);
    row.release(stroke, toolState, point);
}

void ToolStop() { stroke.active = false; }
