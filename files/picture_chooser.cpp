#include "files/picture_chooser.h"

int pictureListEnd;
int chooserFirst;

void LoadPicture(int) {}

void NextChooserPage() {}
