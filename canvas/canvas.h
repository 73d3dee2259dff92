// The canvas window, the picture behind it and the snapshot that undo and every repaint put back.
#pragma once

#include "platform/win32.h"

LRESULT CALLBACK PWinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Copies the visible canvas into pictureDC.
void TakeSnapshot();
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
