#include "files/file_actions.h"

#include "base/state.h"
#include "canvas/tools.h"
#include "files/picture_chooser.h"
#include "files/save_print.h"
#include "options/choosers.h"
#include "options/pages.h"

namespace {

// The sound button's icon at once, and the music closed when sound goes off; it is not started again.
void ToggleSound() {
    HDC frame = GetDC(frameWindow);
    HICON icon;
    if (soundOn == 1) {
        icon = LoadIconA(appInstance, "ICON_210");
        soundOn = 0;
        if (musicOpen == 1) {
            char answer[255];
            mciSendStringA("close midi", answer, sizeof answer, frameWindow);
            musicOpen = 0;
        }
    } else {
        icon = LoadIconA(appInstance, "ICON_209");
        soundOn = 1;
    }
    DrawIcon(frame, 200, 2, icon);
    ReleaseDC(frameWindow, frame);
    DestroyIcon(icon);
}

void ShowSnapshotOnCanvas() {
    HDC canvas = GetDC(canvasWindow);
    BitBlt(canvas, 0, 0, canvasWidth, canvasHeight, pictureDC, 0, 0, SRCCOPY);
    ReleaseDC(canvasWindow, canvas);
}

}  // namespace

void FilesPageAction(int n) {
    switch (n) {
        case 1:
            toolState = kNoToolState;
            deletePictureMode = 0;
            ClearChooserArea();
            OpenPictureChooser();
            break;
        case 2:
            toolState = kNoToolState;
            ClearChooserArea();
            SavePicture();
            ShowToolPage(1);
            ShowSnapshotOnCanvas();
            break;
        case 3:
            toolState = kNoToolState;
            ClearChooserArea();
            PrintPicture();
            break;
        case 4:
            toolState = kNoToolState;
            deletePictureMode = 1;
            ClearChooserArea();
            OpenPictureChooser();
            break;
        case 5:
            ToggleSound();
            ShowFilesPage();
            break;
        default:
            if (n >= 6 && n <= 12) ShowFilesPage();
            break;
    }
}
