// The off-screen picture: not the live picture but the last snapshot of it.
#include "base/frame_layout.h"
#include "base/state.h"
#include "canvas/canvas.h"
#include "draw/drawing.h"

HBITMAP pictureBitmap;

void CreatePicture(HWND canvas) {
    Drawing screen(canvas, nullptr);
    pictureDC = CreateCompatibleDC(screen.dc());
    // The canvas's size, which canvasWidth and canvasHeight are not given until the frame is shown.
    int width = screenWidth - kCanvasLeft, height = screenHeight - kCanvasTop;
    pictureBitmap = CreateCompatibleBitmap(screen.dc(), width, height);
    SelectObject(pictureDC, pictureBitmap);
    BitBlt(pictureDC, 0, 0, width, height, nullptr, 0, 0, WHITENESS);
}

void DeletePicture() {
    DeleteDC(pictureDC);
    DeleteObject(pictureBitmap);
}

void ShowSnapshotOnCanvas() {
    Drawing canvas(canvasWindow, nullptr);
    BitBlt(canvas.dc(), 0, 0, canvasWidth, canvasHeight, pictureDC, 0, 0, SRCCOPY);
}

SIZE CanvasClientSize() {
    RECT client;
    GetClientRect(canvasWindow, &client);
    return {client.right, client.bottom};
}

void TakeSnapshot() {
    Drawing canvas(canvasWindow, appPalette);
    SIZE client = CanvasClientSize();
    BitBlt(pictureDC, 0, 0, client.cx, client.cy, canvas.dc(), 0, 0, SRCCOPY);
}
