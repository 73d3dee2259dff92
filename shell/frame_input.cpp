// The frame's answers to clicks and typed characters: the regions of the control panel, tested in a
// fixed order, each calling the operation it stands for.
#include "base/frame_layout.h"
#include "base/random.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/canvas.h"
#include "canvas/selection.h"
#include "canvas/text.h"
#include "canvas/tools.h"
#include "effects/effects_pages.h"
#include "files/file_actions.h"
#include "files/picture_chooser.h"
#include "options/choosers.h"
#include "options/option_strip.h"
#include "options/pages.h"
#include "options/select.h"
#include "shell/frame.h"
#include "shell/quit_button.h"

namespace {

void LeaveChooserView() {
    if (PictureChooserShown()) ReturnToCanvas();
}

bool ShowsAPage(LeftColumnButton button) {
    return button == kBrushesButton || button == kEffectsButton || button == kRegionToolsButton ||
           button == kStampsButton || button == kFilesButton;
}

void Undo() {
    PlaySoundEffect(kUndoSound);
    ShowSnapshotOnCanvas();
}

// The seven buttons of the left column; a click on a border between two does nothing. A button that
// shows a page keeps the drawing in the snapshot first, as an option click does, so that a selection,
// shrink or zoom on the new page never works from an older picture than the child sees.
void LeftColumnClick(int y) {
    LeftColumnButton button = LeftColumnButtonAt(y);
    if (ShowsAPage(button)) TakeSnapshot();
    switch (button) {
        case kBrushesButton: ShowToolPage(1); break;
        case kEffectsButton: ShowEffectsPage(1); break;
        case kRegionToolsButton: ShowRegionToolPage(1); break;
        case kTextButton:
            AwaitTextPlace();
            PlaySoundEffect(kTextButtonSound);
            SetToolState(kTextState);
            TakeSnapshot();
            break;
        case kStampsButton: ShowStampPage(kFirstStampGroup + RandomBelow(3)); break;
        case kFilesButton: ShowFilesPage(); break;
        case kUndoButton: Undo(); break;
        case kNoButton: break;
    }
}

void ChooserViewClick(int x, int y) {
    if (x < kCanvasLeft || y < kCanvasTop) {
        ReturnToCanvas();
    } else if (int cell = PictureCellAt(x, y); cell >= 0) {
        LoadPicture(ChooserFirst() + cell);
    } else if (OnChooserArrow(x, y)) {
        NextChooserPage();
    }
}

void FilesPageClick(int n) {
    if (n <= kDeleteButton) ClearChooserArea();
    FilesPageAction(n);
    if (n >= kSoundButton) ShowFilesPage();
}

void OptionStripClick(int x, int y) {
    if (int n = OptionButtonAt(x, y)) {
        TakeSnapshot();
        const ToolGroup toolGroup = CurrentStrip().toolGroup;
        if (toolGroup < kFilesGroup || toolGroup > kSecondEffectsGroup) SelectOption(n);
        if (toolGroup == kFirstEffectsGroup || toolGroup == kSecondEffectsGroup) RunEffectsAction(toolGroup, n);
        // The files page has one row.
        if (toolGroup == kFilesGroup && y < kOptionStripMiddle) FilesPageClick(n);
    } else if (CurrentStrip().widthChooserShown && InWidthChooser(x)) {
        if (int width = WidthAt(y)) ChoosePenWidth(width);
        PlaySoundEffect(kChoiceSound);
        DrawWidthChooser();
        TakeSnapshot();
    } else if (CurrentStrip().patternChooserShown && InSideChooser(x) && y < kCanvasTop) {
        PlaySoundEffect(kChoiceSound);
        ChooseFillPattern(CurrentBrush().fillPattern >= 2 ? CurrentBrush().fillPattern - 1 : 8);
        DrawPatternChooser();
        TakeSnapshot();
    } else if (CurrentStrip().rainbowChooserShown && InSideChooser(x)) {
        if (y < kOptionStripMiddle) ChooseRainbow(false);
        if (y > kOptionStripMiddle) ChooseRainbow(true);
        PlaySoundEffect(kChoiceSound);
        DrawRainbowChooser();
        TakeSnapshot();
    } else if (CurrentStrip().toolGroup != kFilesGroup && CurrentStrip().toolGroup != kUnusedGroup && InPageArrows(x)) {
        PageArrow arrow = PageArrowAt(y);
        if (arrow == kNoArrow) return;
        TakeSnapshot();
        PlaySoundEffect(kPageArrowSound);
        if (arrow == kPreviousArrow) PreviousPage();
        if (arrow == kNextArrow) NextPage();
    }
}

}  // namespace

void FrameClick(LPARAM point) {
    int x = short(LOWORD(point)), y = short(HIWORD(point));
    if (TextEntryActive()) {
        FinishText();
    } else if (TextPlacePending()) {
        CancelTextPlace();
        ShowToolPage(1);
    } else if (CurrentSelectionMode() != kNoSelection && CurrentToolState() == kNoToolState &&
               SelectionMarqueeShown()) {
        // Only a marquee on the screen takes the click; a selection mode left behind by a page or an
        // effect lets it act at once.
        CancelSelection();
    } else if (x < kCanvasLeft && y < kColourButtonsBottom) {
        LeaveChooserView();
        PlaySoundEffect(kChoiceSound);
        ChooseColourFamily(FamilyAt(x, y));
        DrawColourPanel(CurrentBrush().colourFamily);
        if (CurrentStrip().patternChooserShown) DrawPatternChooser();
        TakeSnapshot();
    } else if (int shade = ShadeAt(x, y); shade >= 0) {
        LeaveChooserView();
        PlaySoundEffect(kChoiceSound);
        SelectShade(shade);
        if (CurrentStrip().patternChooserShown) DrawPatternChooser();
    } else if (InQuitButton(screenWidth, x, y)) {
        QuitPicturePressed();
    } else if (x < kCanvasLeft && y > kLeftColumnTop) {
        LeaveChooserView();
        LeftColumnClick(y);
    } else if (PictureChooserShown()) {
        ChooserViewClick(x, y);
    } else {
        OptionStripClick(x, y);
    }
}

void FrameCharacter(WPARAM code) {
    if (!TextEntryActive()) return;
    if (code == 8 || code == 13 || (code >= 32 && code <= 126)) TypeTextChar(int(code));
}
