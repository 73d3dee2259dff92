#include "files/picture_chooser.h"

int pictureListEnd;
