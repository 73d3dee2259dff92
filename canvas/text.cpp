#include "canvas/text.h"

#include "shell/state.h"

POINT textOrigin;

void BeginTextEntry(POINT origin) {
    textOrigin = origin;
    textPlacePending = 0;
    textEntryActive = 1;
    // Typed characters arrive at the frame.
    SetFocus(frameWindow);
}

void FinishText() { textEntryActive = 0; }

void TypeTextChar(int) {}
