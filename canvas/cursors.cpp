#include "canvas/cursors.h"

#include "base/state.h"
#include "canvas/tool_table.h"
#include "canvas/tools.h"

namespace {

constexpr int kCursorSlots = 23;
// Slot 22 is the stamp's cursor, which the option bar makes from the current stamp.
constexpr int kStampCursorSlot = 22;

HCURSOR cursorTable[kCursorSlots];
HCURSOR arrowCursor;
// Made from the stamp: destroyed before the next is made.
HCURSOR stampCursor;

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
    for (int slot = 0; slot < kStampCursorSlot; slot++)
        cursorTable[slot] = LoadCursorA(appInstance, kSlotResources[slot]);
    arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
}

void DestroyToolCursors() {
    cursorTable[kStampCursorSlot] = stampCursor;
    for (HCURSOR cursor : cursorTable) DestroyCursor(cursor);
}

// Transparent where the icon is, white where it is pure white, black elsewhere.
void MakeStampCursor(HDC frame, HICON stamp) {
    if (stampCursor) DestroyCursor(stampCursor);
    stampCursor = nullptr;
    HDC w = CreateCompatibleDC(frame), k = CreateCompatibleDC(frame), m = CreateCompatibleDC(frame);
    HBITMAP wb = CreateBitmap(32, 32, 1, 1, nullptr), kb = CreateBitmap(32, 32, 1, 1, nullptr),
            mb = CreateBitmap(32, 32, 1, 1, nullptr);
    HGDIOBJ wOld = SelectObject(w, wb), kOld = SelectObject(k, kb), mOld = SelectObject(m, mb);
    PatBlt(w, 0, 0, 32, 32, WHITENESS);
    PatBlt(k, 0, 0, 32, 32, BLACKNESS);
    DrawIcon(w, 0, 0, stamp);
    DrawIcon(k, 0, 0, stamp);
    BitBlt(m, 0, 0, 32, 32, w, 0, 0, SRCCOPY);
    BitBlt(m, 0, 0, 32, 32, k, 0, 0, SRCINVERT);
    BYTE xorBits[128] = {}, andBits[128] = {};
    SelectObject(k, kOld);
    SelectObject(m, mOld);
    GetBitmapBits(kb, sizeof xorBits, xorBits);
    GetBitmapBits(mb, sizeof andBits, andBits);
    stampCursor = CreateCursor(appInstance, 16, 16, 32, 32, andBits, xorBits);
    SelectObject(w, wOld);
    DeleteDC(w);
    DeleteDC(k);
    DeleteDC(m);
    DeleteObject(wb);
    DeleteObject(kb);
    DeleteObject(mb);
}

HCURSOR StampCursor() { return stampCursor; }

HCURSOR CursorForToolState(ToolState state) {
    if (state == kNoToolState) return arrowCursor;
    if (state == kStampState) return stampCursor;
    if (state == kTextState) return cursorTable[Slot(kTextCursor)];
    return cursorTable[Slot(state <= kLastToolState ? ToolRowFor(state).cursor : kPlainCursor)];
}
