#include "canvas/tools.h"

#include "base/state.h"
#include "canvas/cursors.h"
#include "canvas/selection.h"
#include "canvas/text.h"
#include "canvas/tool_states.h"

int strokeActive;

namespace {

ToolState toolState = kNoToolState;

}  // namespace
POINT pointA, pointB, pointC, pointD;

namespace {

// Between the two ends, edges included, in whichever order they lie.
bool Between(LONG v, LONG a, LONG b) { return a <= b ? v >= a && v <= b : v >= b && v <= a; }

// A press in state 0 inside the selection picks it up to move it; anywhere else drops it. A selection
// dragged out leftwards or upwards is stored with its ends the other way round, and is inside all the same;
// one whose marquee is not shown is not there to pick up.
void PressWithSelection(POINT p) {
    const RECT& r = selectionRect;
    if (SelectionMarqueeShown() && Between(p.x, r.left, r.right) && Between(p.y, r.top, r.bottom)) {
        SetCursor(CursorForToolState(kMoveSelectionState));
        toolState = kMoveSelectionState;
    } else {
        CancelSelection();
    }
}

void RunPressAction(ToolState state) {
    // Nothing is drawn with no tool, and text is placed before any dispatch.
    if (state == kNoToolState || state > kLastToolState) return;
    if (PressBrushState(state) || PressOneClickState(state) || PressGeometryPenState(state) ||
        PressMirrorPenState(state) || PressPolygonState(state) || PressRegionState(state))
        return;
    DefaultPress();
}

bool RunMoveAction(ToolState state, POINT p) {
    return MoveBrushState(state, p) || MoveShapeState(state, p) || MoveGeometryPenState(state, p) ||
           MoveMirrorPenState(state, p) || MovePolygonState(state, p) || MoveRegionState(state, p);
}

bool RunReleaseAction(ToolState state, POINT p) {
    return ReleaseBrushState(state) || ReleaseShapeState(state, p) || ReleasePolygonState(state, p) ||
           ReleaseRegionState(state, p);
}

}  // namespace

ToolState CurrentToolState() { return toolState; }

void SetToolState(ToolState state) { toolState = state; }

void DefaultPress() {
    pointB = pointA;
    strokeActive = 1;
}

void ToolPress(POINT point) {
    pointA = point;
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
    if (strokeActive == 0 || toolState > kLastToolState) return;
    RunMoveAction(toolState, point);
}

void ToolRelease(POINT point) {
    strokeActive = 0;
    ReleaseCapture();
    RunReleaseAction(toolState, point);
}

void ToolStop() { strokeActive = 0; }
