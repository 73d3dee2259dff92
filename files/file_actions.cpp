#include "files/file_actions.h"

#include "base/frame_layout.h"
#include "base/frame_requests.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/canvas.h"
#include "canvas/tools.h"
#include "draw/drawing.h"
#include "files/picture_chooser.h"
#include "files/save_print.h"

namespace {

// The sound button's icon at once, and the music closed when sound goes off; it is not started again.
void ToggleSound() {
    HICON icon;
    {
        Drawing frame(frameWindow, nullptr);
        icon = LoadIconA(appInstance, SoundIsOn() ? "ICON_210" : "ICON_209");
        SwitchSound();
        POINT at = OptionButtonOrigin(kSoundButton);
        DrawIcon(frame.dc(), at.x, at.y, icon);
    }
    DestroyIcon(icon);
}

}  // namespace

void FilesPageAction(int n) {
    switch (n) {
        case kOpenButton:
            SetToolState(kNoToolState);
            OpenPictureChooser(false);
            break;
        case kSaveButton:
            SetToolState(kNoToolState);
            SavePicture();
            AskFrame(kShowFirstToolPage);
            ShowSnapshotOnCanvas();
            break;
        case kPrintButton:
            SetToolState(kNoToolState);
            PrintPicture();
            break;
        case kDeleteButton:
            SetToolState(kNoToolState);
            OpenPictureChooser(true);
            break;
        case kSoundButton: ToggleSound(); break;
        default: break;
    }
}
