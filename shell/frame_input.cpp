// The frame's answers to clicks and typed characters: the regions of the control panel, tested in a
// fixed order, each calling the operation it stands for.
#include "canvas/canvas.h"
#include "canvas/selection.h"
#include "canvas/text.h"
#include "effects/effects_pages.h"
#include "files/file_actions.h"
#include "files/picture_chooser.h"
#include "options/choosers.h"
#include "options/pages.h"
#include "options/select.h"
#include "shell/frame.h"
#include "shell/frame_layout.h"
#include "shell/random.h"
#include "shell/sound.h"
#include "shell/state.h"

namespace {

void LeaveChooserView() {
    if (pictureChooserShown == 1) ReturnToCanvas();
}

void AskToQuit() {
    PlaySoundEffect(14, soundOn);
    int answer = MessageBoxA(frameWindow, "Do you really want to quit?", "Question",
                             MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL);
    if (answer == IDYES) DestroyWindow(frameWindow);
}

void Undo() {
    PlaySoundEffect(11, soundOn);
    ShowSnapshotOnCanvas();
}

// The seven buttons of the left column; a click on a border between two does nothing.
void LeftColumnClick(int y) {
    switch (LeftColumnButtonAt(y)) {
        case kBrushesButton: ShowToolPage(1); break;
        case kEffectsButton: ShowEffectsPage(1); break;
        case kRegionToolsButton: ShowRegionToolPage(1); break;
        case kTextButton:
            textPlacePending = 1;
            PlaySoundEffect(16, soundOn);
            toolState = 99;
            TakeSnapshot();
            break;
        case kStampsButton: ShowStampPage(5 + RandomBelow(3)); break;
        case kFilesButton: ShowFilesPage(); break;
        case kUndoButton: Undo(); break;
        case kNoButton: break;
    }
}

void ChooserViewClick(int x, int y) {
    if (x < kCanvasLeft || y < kCanvasTop) {
        ReturnToCanvas();
    } else if (int cell = PictureCellAt(x, y); cell >= 0) {
        LoadPicture(chooserFirst + cell);
    } else if (OnChooserArrow(x, y)) {
        NextChooserPage();
    }
}

void OptionStripClick(int x, int y) {
    if (int n = OptionButtonAt(x, y)) {
        TakeSnapshot();
        if (toolGroup < 13 || toolGroup > 16) SelectOption(n);
        if (toolGroup == 15 || toolGroup == 16) RunEffectsAction(n);
        // The files page has one row.
        if (toolGroup == 13 && y < kOptionStripMiddle) FilesPageAction(n);
    } else if (widthChooserShown == 1 && InWidthChooser(x)) {
        if (int width = WidthAt(y)) penWidth = width;
        PlaySoundEffect(31, soundOn);
        DrawWidthChooser();
        TakeSnapshot();
    } else if (patternChooserShown == 1 && InSideChooser(x) && y < kCanvasTop) {
        PlaySoundEffect(31, soundOn);
        fillPattern = fillPattern >= 2 ? fillPattern - 1 : 8;
        DrawPatternChooser();
        TakeSnapshot();
    } else if (rainbowChooserShown == 1 && InSideChooser(x)) {
        if (y < kOptionStripMiddle) rainbowMode = 0;
        if (y > kOptionStripMiddle) rainbowMode = 1;
        PlaySoundEffect(31, soundOn);
        DrawRainbowChooser();
        TakeSnapshot();
    } else if (toolGroup != 13 && toolGroup != 14 && InPageArrows(x)) {
        PageArrow arrow = PageArrowAt(y);
        if (arrow != kNoArrow) PlaySoundEffect(17, soundOn);
        if (arrow == kPreviousArrow) PreviousPage();
        if (arrow == kNextArrow) NextPage();
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
    } else if (selectionMode > 0 && toolState == 0) {
        CancelSelection();
    } else if (x < kCanvasLeft && y < kColourButtonsBottom) {
        LeaveChooserView();
        PlaySoundEffect(31, soundOn);
        colourFamily = FamilyAt(x, y);
        DrawColourPanel(colourFamily);
        if (patternChooserShown == 1) DrawPatternChooser();
        TakeSnapshot();
    } else if (int shade = ShadeAt(x, y); shade >= 0) {
        LeaveChooserView();
        PlaySoundEffect(31, soundOn);
        SelectShade(shade);
        if (patternChooserShown == 1) DrawPatternChooser();
    } else if (InQuitButton(screenWidth, x, y)) {
        AskToQuit();
    } else if (x < kCanvasLeft && y > kLeftColumnTop) {
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
