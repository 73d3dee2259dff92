// The canvas window's procedure: its creation, painting, cursor and end; mouse input goes to the tools.
#include "base/frame_requests.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/canvas.h"
#include "canvas/cursors.h"
#include "canvas/selection.h"
#include "canvas/text.h"
#include "canvas/tools.h"

namespace {

bool firstPaintPending = true;

POINT MousePoint(LPARAM lParam) { return {short(LOWORD(lParam)), short(HIWORD(lParam))}; }

void CreateCanvasContents(HWND window) {
    InitialiseTextFont();
    CreatePicture(window);
    LoadToolCursors();
    // The frame is still being made: it is the canvas's parent, and frameWindow is not set yet.
    AskFrame(kPaintFrame, 0, 0, GetParent(window));
}

// Once: the program's folder becomes current, the start-up sound plays to its end, the music starts,
// and the picture is white.
void FirstPaint(HWND window) {
    firstPaintPending = false;
    SetCurrentDirectoryA(programDirectory.c_str());
    PlayStartUpSoundAndMusic();
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    EndPaint(window, &paint);
    BitBlt(pictureDC, 0, 0, canvasWidth, canvasHeight, nullptr, 0, 0, WHITENESS);
    AskFrame(kShowColourPanel);
}

// Every repaint shows the snapshot, so whatever was drawn since is undone, and returns the child to the
// first tool page with shade 5.
void PaintCanvas(HWND window) {
    if (firstPaintPending) FirstPaint(window);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    BitBlt(dc, 0, 0, canvasWidth, canvasHeight, pictureDC, 0, 0, SRCCOPY);
    EndPaint(window, &paint);
    ForgetSelectionMarquee();
    AskFrame(kShowFirstToolPage);
    AskFrame(kShowColourPanel);
}

// A text still being typed when the program ends (a close from the system) lets go of its canvas copy.
void DestroyCanvasContents() {
    DropTextEntry();
    DeletePicture();
    DestroyToolCursors();
    CloseMusicAtCanvasEnd();
}

}  // namespace

bool CanvasFirstPaintDone() { return !firstPaintPending; }

LRESULT CALLBACK PWinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateCanvasContents(window);
            return 0;
        case WM_PAINT:
            PaintCanvas(window);
            return 0;
        case WM_SETCURSOR:
            SetCursor(CursorForToolState(CurrentToolState()));
            return 0;
        case WM_DESTROY:
            DestroyCanvasContents();
            return 0;
        case WM_LBUTTONDOWN:
            ToolPress(MousePoint(lParam));
            return 0;
        case WM_MOUSEMOVE:
            ToolMove(MousePoint(lParam));
            return 0;
        case WM_LBUTTONUP:
            ToolRelease(MousePoint(lParam));
            return 0;
        case WM_RBUTTONDOWN:
            ToolStop();
            return 0;
        case MM_MCINOTIFY:
            MusicNotice(wParam);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
