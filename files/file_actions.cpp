#include "files/file_actions.h"

#include "base/frame_layout.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/canvas.h"
#include "canvas/tools.h"
#include "files/picture_chooser.h"
#include "files/save_print.h"
#include "options/choosers.h"
#include "options/pages.h"

namespace {

// The files page's button 5 switches the sound and shows whether it is on.
constexpr int kSoundButton = 5;

// The sound button's icon at once, and the music closed when sound goes off; it is not started again.
void ToggleSound() {
    HDC frame = GetDC(frameWindow);
    HICON icon = LoadIconA(appInstance, SoundIsOn() ? "ICON_210" : "ICON_209");
    SwitchSound();
    POINT at = OptionButtonOrigin(kSoundButton);
    DrawIcon(frame, at.x, at.y, icon);
    ReleaseDC(frameWindow, frame);
    DestroyIcon(icon);
}

}  // namespace

void FilesPageAction(int n) {
    switch (n) {
        case 1:
            SetToolState(kNoToolState);
            ClearChooserArea();
            OpenPictureChooser(false);
            break;
        case 2:
            SetToolState(kNoToolState);
            ClearChooserArea();
            SavePicture();
            ShowToolPage(1);
            ShowSnapshotOnCanvas();
            break;
        case 3:
            SetToolState(kNoToolState);
            ClearChooserArea();
            PrintPicture();
            break;
        case 4:
            SetToolState(kNoToolState);
            ClearChooserArea();
            OpenPictureChooser(true);
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
