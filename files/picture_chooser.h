// The picture chooser: previews of the pictures of the program's folder, to open one.
#pragma once

// One past the last filled slot of the picture list.
extern int pictureListEnd;
// The slot of the first of the four pictures shown.
extern int chooserFirst;

// Opens the picture of that slot of the list.
void LoadPicture(int slot);
// The next four pictures of the list.
void NextChooserPage();
