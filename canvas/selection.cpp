#include "canvas/selection.h"

#include "shell/state.h"

RECT selectionRect;

void CancelSelection() { selectionMode = 0; }
