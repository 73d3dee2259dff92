// The frame's window procedure: its creation, which makes the palette, reads the settings and makes the
// canvas, its answers to the system's messages and to the other parts' requests. Painting and input are in
// frame_paint.cpp and frame_input.cpp.
#include "shell/frame.h"

#include "base/colours.h"
#include "base/frame_layout.h"
#include "base/frame_requests.h"
#include "base/program_directory.h"
#include "base/random.h"
#include "base/settings.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/canvas.h"
#include "canvas/tools.h"
#include "effects/region_effects.h"
#include "files/journal.h"
#include "files/picture_chooser.h"
#include "options/option_strip.h"
#include "options/pages.h"
#include "options/select.h"
#include "shell/quit_button.h"

namespace {

void RegisterCanvasClass() {
    WNDCLASSA canvasClass{};
    canvasClass.style = CS_HREDRAW | CS_VREDRAW;
    canvasClass.lpfnWndProc = PWinProc;
    canvasClass.hInstance = appInstance;
    canvasClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    canvasClass.lpszClassName = "secondclass";
    RegisterClassA(&canvasClass);
}

void CreateCanvas(HWND frame) {
    canvasWindow = CreateWindowExA(0, "secondclass", "title", WS_CHILD | WS_VISIBLE | WS_BORDER, kCanvasLeft,
                                   kCanvasTop, screenWidth - kCanvasLeft, screenHeight - kCanvasTop, frame, nullptr,
                                   appInstance, nullptr);
    ShowWindow(canvasWindow, SW_SHOW);
}

LRESULT CreateFrameContents(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FillPaletteColours();
    appPalette = BuildAppPalette();
    FindProgramDirectory();
    ReadSettings();
    StartSoundAsSet();
    SeedRandom(StartSeed());
    RegisterCanvasClass();
    CreateCanvas(window);
    return DefWindowProcA(window, message, wParam, lParam);
}

// What the canvas, the text, the option strip, the effects and the files ask for once they are done.
LRESULT AnswerFrameRequest(FrameRequest request, WPARAM wParam, LPARAM lParam) {
    switch (request) {
        case kPaintFrame: PaintFrame(); break;
        case kShowFirstToolPage: ShowToolPage(1); break;
        case kShowColourPanel: DrawColourPanel(CurrentBrush().colourFamily); break;
        case kChooseCutSelectionAgain:
            SetSelectedOption(2);
            SelectOption(1);
            break;
        case kRunRegionEffect: RunRegionEffect(ToolGroup(wParam), int(lParam)); break;
    }
    return 0;
}

}  // namespace

void ReturnToCanvas() {
    UpdateWindow(frameWindow);
    ShowWindow(canvasWindow, SW_SHOWNORMAL);
    ShowSnapshotOnCanvas();
    LeavePictureChooser();
}

LRESULT CALLBACK PaintWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return CreateFrameContents(window, message, wParam, lParam);
        case WM_DESTROY:
            EndJournal();
            DeleteObject(appPalette);
            PostQuitMessage(0);
            return 0;
        case WM_CLOSE:
            WindowCloseAsked(window);
            return 0;
        // The end of the desktop session: the picture is kept as soon as the system asks, and the program
        // ends when the session does.
        case WM_QUERYENDSESSION:
            KeepUnsavedPicture();
            return TRUE;
        case WM_ENDSESSION:
            if (wParam) DestroyWindow(window);
            return 0;
        case WM_TIMER:
            if (wParam == kJournalTimer) JournalTimer();
            if (wParam == kQuitHoldTimer) QuitHoldTimer();
            return 0;
        case WM_SYSCOMMAND:
            // Whatever the command (a close, a switch to another task), the latest drawing is kept.
            TakeSnapshot();
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_SETFOCUS:
        case WM_COMMAND:
            return 0;
        case WM_LBUTTONDOWN:
            FrameClick(lParam);
            return 0;
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE:
            QuitHoldPointer(message, lParam);
            return 0;
        case WM_CHAR:
            FrameCharacter(wParam);
            return 0;
        case WM_PAINT:
            PaintFrame();
            return 0;
        default:
            if (message >= kShowFirstToolPage && message <= kLastFrameRequest)
                return AnswerFrameRequest(FrameRequest(message), wParam, lParam);
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
