#include "shell/quit_button.h"

#include "base/frame_layout.h"
#include "base/settings.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/canvas.h"
#include "files/journal.h"

namespace {

// Long enough that a child's press is not one; short enough for a parent.
constexpr UINT kHoldMilliseconds = 3000;

bool holding = false;

void EndHold() {
    if (!holding) return;
    holding = false;
    KillTimer(frameWindow, kQuitHoldTimer);
    ReleaseCapture();
}

// The picture is taken before the question covers it, and kept in the snapshot, so that the canvas's
// repaint after a No shows the drawing rather than an older snapshot.
void AskToQuit() {
    PlaySoundEffect(kQuitQuestionSound);
    if (IsWindowVisible(canvasWindow)) TakeSnapshot();
    HGLOBAL unsaved = UnsavedPicture();
    HoldJournal(true);
    int answer = MessageBoxA(frameWindow, "Do you really want to quit?", "Question",
                             MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL);
    HoldJournal(false);
    if (answer == IDYES) {
        KeepPicture(unsaved);
        DestroyWindow(frameWindow);
    } else if (unsaved) {
        GlobalFree(unsaved);
    }
}

}  // namespace

void QuitPicturePressed() {
    switch (CurrentSettings().quit) {
        case QuitRule::kAsk: AskToQuit(); break;
        case QuitRule::kHold:
            holding = true;
            SetCapture(frameWindow);
            SetTimer(frameWindow, kQuitHoldTimer, kHoldMilliseconds, nullptr);
            break;
        case QuitRule::kNever: break;
    }
}

void QuitHoldPointer(UINT message, LPARAM point) {
    if (!holding) return;
    int x = short(LOWORD(point)), y = short(HIWORD(point));
    if (message == WM_LBUTTONUP || !InQuitButton(screenWidth, x, y)) EndHold();
}

void QuitHoldTimer() {
    if (!holding) return;
    EndHold();
    AskToQuit();
}

void WindowCloseAsked(HWND frame) {
    if (CurrentSettings().quit != QuitRule::kAsk) return;
    KeepUnsavedPicture();
    DestroyWindow(frame);
}
