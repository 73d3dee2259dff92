// The off-screen picture: not the live picture but the last snapshot of it.
#include "base/frame_layout.h"
#include "base/state.h"
#include "canvas/canvas.h"

HBITMAP pictureBitmap;

void CreatePicture(HWND canvas) {
    HDC screen = GetDC(canvas);
    pictureDC = CreateCompatibleDC(screen);
    // The canvas's size, which canvasWidth and canvasHeight are not given until the frame is shown.
    int width = screenWidth - kCanvasLeft, height = screenHeight - kCanvasTop;
    pictureBitmap = CreateCompatibleBitmap(screen, width, height);
    SelectObject(pictureDC, pictureBitmap);
    BitBlt(pictureDC, 0, 0, width, height, nullptr, 0, 0, WHITENESS);
    ReleaseDC(canvas, screen);
}

void DeletePicture() {
    DeleteDC(pictureDC);
    DeleteObject(pictureBitmap);
}

void ShowSnapshotOnCanvas() {
    HDC canvas = GetDC(canvasWindow);
    BitBlt(canvas, 0, 0, canvasWidth, canvasHeight, pictureDC, 0, 0, SRCCOPY);
    ReleaseDC(canvasWindow, canvas);
}

void TakeSnapshot() {
    HDC screen = GetDC(canvasWindow);
    HPALETTE kept = SelectPalette(screen, appPalette, FALSE);
    RealizePalette(screen);
    BitBlt(pictureDC, 0, 0, canvasWidth, canvasHeight, screen, 0, 0, SRCCOPY);
    SelectPalette(screen, kept, TRUE);
    ReleaseDC(canvasWindow, screen);
}
