// The off-screen picture: not the live picture but the last snapshot of it.
#include "base/state.h"
#include "canvas/canvas.h"

HBITMAP pictureBitmap;

void CreatePicture(HWND canvas) {
    HDC screen = GetDC(canvas);
    pictureDC = CreateCompatibleDC(screen);
    pictureBitmap = CreateCompatibleBitmap(screen, screenWidth - 50, screenHeight - 72);
    SelectObject(pictureDC, pictureBitmap);
    BitBlt(pictureDC, 0, 0, screenWidth - 50, screenHeight - 72, nullptr, 0, 0, WHITENESS);
    ReleaseDC(canvas, screen);
}

void DeletePicture() {
    DeleteDC(pictureDC);
    DeleteObject(pictureBitmap);
}

void TakeSnapshot() {
    HDC screen = GetDC(canvasWindow);
    HPALETTE kept = SelectPalette(screen, appPalette, FALSE);
    RealizePalette(screen);
    BitBlt(pictureDC, 0, 0, canvasWidth, canvasHeight, screen, 0, 0, SRCCOPY);
    SelectPalette(screen, kept, TRUE);
    ReleaseDC(canvasWindow, screen);
}
