// The files page: open, save, print, delete and the sound switch.
#pragma once

// The action of button n of the files page: open, save, print, delete, the sound switch; 6 to 12 are
// empty places that only redraw the page.
void FilesPageAction(int n);
