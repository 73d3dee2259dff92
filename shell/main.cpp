// The entry point: the frame's class and window, then the one message loop both windows share.
#include "base/frame_layout.h"
#include "base/state.h"
#include "draw/drawing.h"
#include "files/journal.h"
#include "files/picture_chooser.h"
#include "shell/frame.h"

namespace {

void RegisterFrameClass(HINSTANCE instance) {
    LoadStringA(instance, 1, frameClassName, sizeof frameClassName);
    WNDCLASSA frameClass{};
    frameClass.style = CS_HREDRAW | CS_VREDRAW;
    frameClass.lpfnWndProc = PaintWndProc;
    frameClass.hInstance = instance;
    frameClass.hIcon = LoadIconA(instance, "ICON_168");
    frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    frameClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    frameClass.lpszClassName = frameClassName;
    RegisterClassA(&frameClass);
}

void CreateFrame(HINSTANCE instance, int show) {
    appInstance = instance;
    {
        Drawing desktop(GetDesktopWindow(), nullptr);
        screenWidth = GetDeviceCaps(desktop.dc(), HORZRES);
        screenHeight = GetDeviceCaps(desktop.dc(), VERTRES);
    }

    RECT area{0, 0, screenWidth, screenHeight};
    AdjustWindowRect(&area, WS_POPUP | WS_BORDER, FALSE);
    HWND frame = CreateWindowExA(0, frameClassName, frameClassName, WS_POPUP | WS_BORDER, 0, 0, area.right,
                                 area.bottom, nullptr, nullptr, instance, nullptr);
    frameWindow = frame;
    ShowWindow(frame, show);
    UpdateWindow(frame);
    // Only now: everything until here works from the screen size itself.
    canvasWidth = screenWidth - kCanvasLeft;
    canvasHeight = screenHeight - kCanvasTop;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    RegisterFrameClass(instance);
    CreateFrame(instance, show);
    StartJournal();

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        NoteChildActivity(message.message);
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return int(message.wParam);
}
