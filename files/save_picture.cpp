// Saving: the canvas picture written whole under a temporary name, then given a picture name no file has,
// so that neither an interrupted write nor a repeated random name costs a picture.
#include "base/random.h"
#include "base/state.h"
#include "canvas/canvas.h"
#include "files/dib.h"
#include "files/save_print.h"

namespace {

constexpr int kNameLetters = 7;
// Names drawn before giving up on a folder where every one is taken; 26^7 names make that unlikely.
constexpr int kNameTries = 100;

bool FileExists(const char* name) {
    OFSTRUCT record;
    return OpenFile(name, &record, OF_EXIST) != HFILE_ERROR;
}

// Moves the written file to the name, or to a freshly drawn one while the name is taken.
bool GivePictureName(char name[20]) {
    for (int tries = 0; tries < kNameTries; tries++) {
        if (MoveFileA(kSaveTemporaryName, name)) return true;
        if (!FileExists(name)) return false;
        MakePictureName(name);
    }
    return false;
}

void ShowSaveMessage(int saved) {
    if (saved) {
        MessageBoxA(frameWindow, "PICTURE SAVED!", "Information", MB_SYSTEMMODAL | MB_ICONINFORMATION);
    } else {
        MessageBoxA(frameWindow, "THE PICTURE WAS NOT SAVED!", "Warning", MB_SYSTEMMODAL | MB_ICONEXCLAMATION);
    }
}

}  // namespace

void MakePictureName(char name[20]) {
    for (int i = 0; i < 20; i++) name[i] = '\0';
    for (int i = 0; i < kNameLetters; i++) name[i] = char('A' + RandomBelow(26));
    const char extension[] = ".BMP";
    for (int i = 0; extension[i]; i++) name[kNameLetters + i] = extension[i];
}

int SaveCanvasPicture(HDC canvas) {
    char name[20];
    MakePictureName(name);
    SetCurrentDirectoryA(programDirectory.c_str());
    HPALETTE kept = SelectPalette(canvas, appPalette, FALSE);
    RealizePalette(canvas);
    HGLOBAL block = CanvasBlock(canvas, screenWidth - 53, screenHeight - 102);
    SelectPalette(canvas, kept, TRUE);
    bool saved = block && WriteDibFile(kSaveTemporaryName, block) == 1 && GivePictureName(name);
    // Whatever failed, no part of a picture stays behind.
    if (!saved) DeleteFileA(kSaveTemporaryName);
    if (block) GlobalFree(block);
    return saved ? 1 : 0;
}

void SavePicture() {
    TakeSnapshot();
    HDC canvas = GetDC(canvasWindow);
    int saved = SaveCanvasPicture(canvas);
    ShowSaveMessage(saved);
    ReleaseDC(canvasWindow, canvas);
}
