#include "canvas/text.h"

#include "shell/state.h"

void FinishText() { textEntryActive = 0; }

void TypeTextChar(int) {}
