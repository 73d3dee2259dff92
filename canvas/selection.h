// The region tools' selection on the canvas: a part of the picture, marked by an exclusive-or marquee, that
// can be grabbed and pasted elsewhere, cut (its place goes white) or copied.
#pragma once

#include "platform/win32.h"

// What pasting the selection does to where it came from: a cut leaves white there, a copy leaves it.
enum SelectionMode : int { kNoSelection = 0, kCutSelection = 1, kCopySelection = 2 };

// Set by the selection tools' option buttons, and by nothing else until the selection ends.
SelectionMode CurrentSelectionMode();
void SetSelectionMode(SelectionMode mode);

// The selection as dragged out, its corners in either order; ordered (left <= right, top <= bottom) once
// it is grabbed, and moved off the canvas once it is pasted.
RECT CurrentSelectionRect();
// Whether a press at p picks the selection up: its marquee is on the screen and p is inside, edges
// included, whichever way round it was dragged out.
bool SelectionUnder(POINT p);

// The marquee drawn for good at the end of the drag, in the exclusive-or mode of dc, around r.
void KeepSelectionMarquee(HDC dc, RECT r);
// Whether that marquee is on the screen: until it is grabbed, dropped or painted over. A selection mode
// left over from choosing a selection tool has none, and nothing to grab or erase.
bool SelectionMarqueeShown();
// A repaint of the canvas has put the snapshot over the marquee.
void ForgetSelectionMarquee();

// Erases the marquee, when it is shown, and ends the selection.
void CancelSelection();
// Grabs the selection at (x, y).
void BeginSelectionMove(int x, int y);
// The marquee follows the mouse to p.
void MoveSelection(POINT p);
// Pastes the snapshot's selection where the marquee was last drawn and chooses the cut selection again.
void PasteSelection();
