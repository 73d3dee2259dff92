#include "canvas/cursors.h"

#include "base/state.h"
#include "canvas/tools.h"
#include "options/choosers.h"

HCURSOR cursorTable[kCursorSlots];
HCURSOR arrowCursor;

namespace {

// CURSOR_4 and CURSOR_5 trade places in the table: the slots, not the names, are what the states use.
constexpr const char* kSlotResources[kStampCursorSlot] = {
    "CURSOR_1",  "CURSOR_2",  "CURSOR_3",  "CURSOR_5",  "CURSOR_4",  "CURSOR_6",  "CURSOR_7",  "CURSOR_8",
    "CURSOR_9",  "CURSOR_10", "CURSOR_11", "CURSOR_12", "CURSOR_13", "CURSOR_14", "CURSOR_15", "CURSOR_16",
    "CURSOR_17", "CURSOR_18", "CURSOR_19", "CURSOR_20", "CURSOR_21", "CURSOR_22",
};

// The slot of a cursor resource's number.
int Slot(int resource) {
    if (resource == 4) return 4;
    if (resource == 5) return 3;
    return resource - 1;
}

}  // namespace

void LoadToolCursors() {
    for (int slot = 0; slot < kStampCursorSlot; slot++) cursorTable[slot] = LoadCursorA(appInstance, kSlotResources[slot]);
    arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
}

void DestroyToolCursors() {
    cursorTable[kStampCursorSlot] = stampCursor;
    for (HCURSOR cursor : cursorTable) DestroyCursor(cursor);
}

HCURSOR CursorForToolState(int state) {
    int resource;
    switch (state) {
        case kNoToolState: return arrowCursor;
        case kStampState: return stampCursor;
        case kFreehandPenState: case kThickWhenFastState: case kFourWayState: case kJitteryState:
        case kTopToBottomState: case kLeftToRightState:
            resource = 2;
            break;
        case kSprayCanState: case kShadeSprayState: resource = 16; break;
        case kFillState: resource = 11; break;
        case kWhiteRectangleState: case kTurnState: case kMirrorState: case kInvertState:
            resource = 15;
            break;
        case kThinWhenFastState: resource = 14; break;
        case kLineBurstState: resource = 18; break;
        case kConfettiCirclesState: case kConfettiSquaresState: case kBlobState: case kSplatState:
        case kSparkCrossState:
            resource = 21;
            break;
        case kFuzzyPenState: case kSparkleState: resource = 12; break;
        case kVerticalNibState: resource = 19; break;
        case kHorizontalNibState: resource = 20; break;
        case kWhitePolygonState: resource = 13; break;
        case kBirdsState: resource = 8; break;
        case kGrassState: resource = 7; break;
        case kBubblesState: resource = 17; break;
        case kStripedState: case kSpeckledState: resource = 3; break;
        case kDrippingState: resource = 5; break;
        case kStripedReversedState: resource = 10; break;
        case kSpeckledBlocksState: resource = 4; break;
        case kMoveSelectionState: resource = 22; break;
        case kTextState: resource = 9; break;
        default: resource = 1; break;
    }
    return cursorTable[Slot(resource)];
}
