// The frame's answers to clicks and typed characters: the regions of the control panel, tested in a
// fixed order, each calling the operation it stands for.
#include "base/random.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/canvas.h"
#include "canvas/selection.h"
#include "canvas/text.h"
#include "canvas/tools.h"
#include "effects/effects_pages.h"
#include "files/file_actions.h"
#include "files/picture_chooser.h"
#include "options/choosers.h"
#include "options/pages.h"
#include "options/select.h"
#include "shell/frame.h"

namespace {

void LeaveChooserView() {
    if (pictureChooserShown == 1) ReturnToCanvas();
}

void AskToQuit() {
    PlaySoundEffect(kQuitQuestionSound, soundOn);
    int answer = MessageBoxA(frameWindow, "Do you really want to quit?", "Question",
                             MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL);
    if (answer == IDYES) DestroyWindow(frameWindow);
}

void Undo() {
    PlaySoundEffect(kUndoSound, soundOn);
    HDC canvas = GetDC(canvasWindow);
    BitBlt(canvas, 0, 0, screenWidth - 50, screenHeight - 72, pictureDC, 0, 0, SRCCOPY);
    ReleaseDC(canvasWindow, canvas);
}

// The seven buttons of the left column; a click on a border between two does nothing.
void LeftColumnClick(int y) {
    if (y > 190 && y < 232) {
        ShowToolPage(1);
    } else if (y > 232 && y < 274) {
        ShowEffectsPage(1);
    } else if (y > 274 && y < 316) {
        ShowRegionToolPage(1);
    } else if (y > 316 && y < 358) {
        textPlacePending = 1;
        PlaySoundEffect(kTextButtonSound, soundOn);
        toolState = kTextState;
        TakeSnapshot();
    } else if (y > 358 && y < 400) {
        ShowStampPage(kFirstStampGroup + RandomBelow(3));
    } else if (y > 400 && y < 442) {
        ShowFilesPage();
    } else if (y > 442) {
        Undo();
    }
}

void ChooserViewClick(int x, int y) {
    int first = chooserFirst;
    if (x < 50 || y < 72) {
        ReturnToCanvas();
    } else if (x > 100 && x < 300 && y > 100 && y < 250) {
        LoadPicture(first);
    } else if (x > 300 && x < 500 && y > 100 && y < 250) {
        LoadPicture(first + 1);
    } else if (x > 100 && x < 300 && y > 250 && y < 400) {
        LoadPicture(first + 2);
    } else if (x > 300 && x < 500 && y > 250 && y < 400) {
        LoadPicture(first + 3);
    } else if (x > 584 && x < 616 && y > 234 && y < 266) {
        NextChooserPage();
    }
}

// The pen width of a click in the width chooser, by bands that bracket its samples; 0 between bands.
int WidthAt(int y) {
    static const int kBands[8][2] = {{3, 10}, {10, 15}, {15, 22}, {22, 31}, {31, 38}, {38, 48}, {48, 58}, {58, 71}};
    for (int w = 0; w < 8; w++)
        if (y > kBands[w][0] && y < kBands[w][1]) return w + 1;
    return 0;
}

void OptionStripClick(int x, int y) {
    if (y >= 2 && y < 36 && x > 55 && x < 265) {
        TakeSnapshot();
        int n = (x - 55) / 35 + 1;
        if (toolGroup < kFilesGroup || toolGroup > kSecondEffectsGroup) SelectOption(n);
        if (toolGroup == kFirstEffectsGroup || toolGroup == kSecondEffectsGroup) RunEffectsAction(n);
        if (toolGroup == kFilesGroup) FilesPageAction(n);
    } else if (y >= 36 && y < 72 && x > 55 && x < 265) {
        TakeSnapshot();
        int n = (x - 55) / 35 + 7;
        if (toolGroup < kFilesGroup || toolGroup > kSecondEffectsGroup) SelectOption(n);
        if (toolGroup == kFirstEffectsGroup || toolGroup == kSecondEffectsGroup) RunEffectsAction(n);
    } else if (widthChooserShown == 1 && x >= 310 && x < 345) {
        if (int width = WidthAt(y)) penWidth = width;
        PlaySoundEffect(kChoiceSound, soundOn);
        DrawWidthChooser();
        TakeSnapshot();
    } else if (patternChooserShown == 1 && x > 360 && x < 390 && y < 72) {
        PlaySoundEffect(kChoiceSound, soundOn);
        fillPattern = fillPattern >= 2 ? fillPattern - 1 : 8;
        DrawPatternChooser();
        TakeSnapshot();
    } else if (rainbowChooserShown == 1 && x > 360 && x < 390) {
        if (y < 36) rainbowMode = 0;
        if (y > 36) rainbowMode = 1;
        PlaySoundEffect(kChoiceSound, soundOn);
        DrawRainbowChooser();
        TakeSnapshot();
    } else if (toolGroup != kFilesGroup && toolGroup != kUnusedGroup && x > 270 && x <= 310) {
        if (y > 2 && y < 36) {
            PlaySoundEffect(kPageArrowSound, soundOn);
            PreviousPage();
        } else if (y > 36 && y < 72) {
            PlaySoundEffect(kPageArrowSound, soundOn);
            NextPage();
        }
    }
}

}  // namespace

void FrameClick(LPARAM point) {
    int x = short(LOWORD(point)), y = short(HIWORD(point));
    if (textEntryActive == 1) {
        FinishText();
    } else if (textPlacePending == 1) {
        textPlacePending = 0;
        ShowToolPage(1);
    } else if (selectionMode > 0 && toolState == kNoToolState) {
        CancelSelection();
    } else if (x < 50 && y < 104) {
        LeaveChooserView();
        PlaySoundEffect(kChoiceSound, soundOn);
        colourFamily = y / 13 + (x > 24 ? 8 : 0);
        DrawColourPanel(colourFamily);
        if (patternChooserShown == 1) DrawPatternChooser();
        TakeSnapshot();
    } else if (x > 20 && x < 50 && y > 104 && y < 184) {
        LeaveChooserView();
        PlaySoundEffect(kChoiceSound, soundOn);
        SelectShade((y - 104) / 8);
        if (patternChooserShown == 1) DrawPatternChooser();
    } else if (x > screenWidth - 100 && y < 72) {
        AskToQuit();
    } else if (x < 50 && y > 190) {
        LeaveChooserView();
        LeftColumnClick(y);
    } else if (pictureChooserShown == 1) {
        ChooserViewClick(x, y);
    } else {
        OptionStripClick(x, y);
    }
}

void FrameCharacter(WPARAM code) {
    if (textEntryActive != 1) return;
    if (code == 8 || code == 13 || (code >= 32 && code <= 126)) TypeTextChar(int(code));
}
