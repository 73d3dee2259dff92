// The region tools' selection on the canvas: a cut or copied part of the picture that can be moved.
#pragma once

#include "platform/win32.h"

extern RECT selectionRect;

// Drops the selection and returns to the cut tool.
void CancelSelection();
