#include "canvas/cursors.h"

#include "options/choosers.h"
#include "shell/state.h"

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
        case 0: return arrowCursor;
        case 30: return stampCursor;
        case 1: case 14: case 34: case 39: case 50: case 51: resource = 2; break;
        case 2: case 40: resource = 16; break;
        case 3: resource = 11; break;
        case 8: case 27: case 28: case 55: resource = 15; break;
        case 13: resource = 14; break;
        case 15: resource = 18; break;
        case 19: case 44: case 45: case 53: case 62: resource = 21; break;
        case 20: case 46: resource = 12; break;
        case 23: resource = 19; break;
        case 24: resource = 20; break;
        case 26: resource = 13; break;
        case 32: resource = 8; break;
        case 35: resource = 7; break;
        case 36: resource = 17; break;
        case 41: case 42: resource = 3; break;
        case 43: resource = 5; break;
        case 49: resource = 10; break;
        case 52: resource = 4; break;
        case 60: resource = 22; break;
        case 99: resource = 9; break;
        default: resource = 1; break;
    }
    return cursorTable[Slot(resource)];
}
