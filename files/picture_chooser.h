// The picture chooser: the pictures of the program's folder as previews, four at a time on the frame
// while the canvas is hidden, to open one onto the canvas or, in delete mode, to delete its file.
#pragma once

#include <string>
#include <vector>

#include "platform/win32.h"

// Upper-cased file names, newest first, from slot 1 on; slot 0 is never used. Every picture of the program's
// folder is listed, however many there are, and of a separate pictures' folder, named with that folder.
const std::vector<std::string>& PictureList();
// One past the last filled slot: 1 for an empty list.
int PictureListEnd();
// The slots of the first and last preview of the page shown.
int ChooserFirst();
int ChooserLast();
// While the chooser was opened to delete a picture rather than open one.
bool DeletingPictures();

// While the chooser hides the canvas.
bool PictureChooserShown();
// The canvas is back.
void LeavePictureChooser();

// The name in that slot; "" for an empty slot and for any index outside the list.
const char* PictureSlotName(int index);
// Whether the name is a colouring picture's: its first two letters are C and B, in any case.
bool IsColouringPictureName(const char* name);

void BuildPictureList();
// Lists the pictures and shows their first page, to open one or to delete one; with none, only tool page 1.
void OpenPictureChooser(bool toDelete);
// The panel, its title and the previews of the page's slots, up to the first empty slot.
void DrawChooserPage();
// The arrow to the next page when show is 1; any other value draws nothing.
void DrawChooserArrow(int show);
// The next four pictures, or the first four after the end of the list.
void NextChooserPage();
// Opens (or in delete mode deletes) the picture of that slot and goes back to the canvas; a cell without
// a name does nothing.
void LoadPicture(int index);
