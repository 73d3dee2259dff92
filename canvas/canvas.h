// The canvas window, the picture behind it and the snapshot that undo and every repaint put back.
#pragma once

#include "platform/win32.h"

LRESULT CALLBACK PWinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Copies the visible canvas into pictureDC: its client area only, so that the columns and rows under its
// border stay white whatever the system shows there.
void TakeSnapshot();
// The canvas's client area: canvasWidth × canvasHeight less the border, the picture as the child sees it.
SIZE CanvasClientSize();
// Copies pictureDC back over the visible canvas, plainly, without the palette: undo, and the way back from
// the picture chooser.
void ShowSnapshotOnCanvas();

// Until the canvas's first paint: the start-up sound and the white picture come with it.
bool CanvasFirstPaintDone();

// pictureDC's bitmap, canvasWidth × canvasHeight.
extern HBITMAP pictureBitmap;

// Makes pictureDC and its bitmap, all white; ends them with the canvas.
void CreatePicture(HWND canvas);
void DeletePicture();
