// Saving: the whole canvas picture written and flushed under a temporary name of its own, then moved to a
// picture name no file has, so that neither an interrupted write, a power cut, another dab saving into
// the same folder nor a repeated random name costs a picture.
#include "base/random.h"
#include "base/state.h"
#include "canvas/canvas.h"
#include "dib/dib.h"
#include "draw/drawing.h"
#include "files/durable_file.h"
#include "files/journal.h"
#include "files/pictures_folder.h"
#include "files/save_print.h"

namespace {

constexpr int kNameLetters = 7;
// Names drawn before giving up on a folder where every one is taken; 26^7 names make that unlikely.
constexpr int kNameTries = 100;

bool FileExists(const char* name) {
    OFSTRUCT record;
    return OpenFile(name, &record, OF_EXIST) != HFILE_ERROR;
}

// The picture name with ".TMP" for ".BMP": the chooser never lists a file still being written.
void TemporaryTwin(const char name[20], char temporary[20]) {
    for (int i = 0; i < 20; i++) temporary[i] = name[i];
    temporary[kNameLetters + 1] = 'T';
    temporary[kNameLetters + 2] = 'M';
    temporary[kNameLetters + 3] = 'P';
}

// Writes the block under the temporary twin of a freshly drawn name, drawing again while a leftover or
// another writer has it; name then holds the drawn name.
bool WriteTemporaryPicture(HGLOBAL block, char name[20], char temporary[20]) {
    for (int tries = 0; tries < kNameTries; tries++) {
        MakePictureName(name);
        TemporaryTwin(name, temporary);
        NewFileWrite written = WriteNewDibFile(temporary, block);
        if (written != NewFileWrite::kNameTaken) return written == NewFileWrite::kWhole;
    }
    return false;
}

// Moves the written file to the name, or to a freshly drawn one while the name is taken.
bool GivePictureName(const char temporary[20], char name[20]) {
    for (int tries = 0; tries < kNameTries; tries++) {
        if (MoveFileDurably(temporary, name, false)) return true;
        if (!FileExists(name)) return false;
        MakePictureName(name);
    }
    return false;
}

void ShowSaveMessage(int saved) {
    HoldJournal(true);
    if (saved) {
        MessageBoxA(frameWindow, "PICTURE SAVED!", "Information", MB_SYSTEMMODAL | MB_ICONINFORMATION);
    } else {
        MessageBoxA(frameWindow, "THE PICTURE WAS NOT SAVED!", "Warning", MB_SYSTEMMODAL | MB_ICONEXCLAMATION);
    }
    HoldJournal(false);
}

}  // namespace

void MakePictureName(char name[20]) {
    for (int i = 0; i < 20; i++) name[i] = '\0';
    for (int i = 0; i < kNameLetters; i++) name[i] = char('A' + RandomBelow(26));
    const char extension[] = ".BMP";
    for (int i = 0; extension[i]; i++) name[kNameLetters + i] = extension[i];
}

int SavePictureBlock(HGLOBAL block) {
    PicturesFolderEntered folder;
    char name[20], temporary[20];
    if (!folder.entered() || !block || !WriteTemporaryPicture(block, name, temporary)) return 0;
    if (GivePictureName(temporary, name)) return 1;
    // Whatever failed, no part of a picture stays behind.
    DeleteFileA(temporary);
    return 0;
}

int SaveCanvasPicture(HDC canvas) { return SaveAsKeptPicture(CanvasPicture(canvas)); }

HGLOBAL CanvasPicture(HDC canvas) {
    HPALETTE kept = SelectPalette(canvas, appPalette, FALSE);
    RealizePalette(canvas);
    // The canvas's last two columns and rows lie under its border and past the screen: never seen, kept white.
    HGLOBAL block = CanvasBlock(canvas, canvasWidth, canvasHeight, canvasWidth - 2, canvasHeight - 2);
    SelectPalette(canvas, kept, TRUE);
    return block;
}

void SavePicture() {
    TakeSnapshot();
    Drawing canvas(canvasWindow, nullptr);
    ShowSaveMessage(SaveCanvasPicture(canvas.dc()));
}
