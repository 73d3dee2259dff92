// The picture chooser: previews of the pictures of the program's folder, to open one.
#pragma once

// One past the last filled slot of the picture list.
extern int pictureListEnd;
