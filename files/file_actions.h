// The files page: open, save, print, delete and the sound switch.
#pragma once

// The action of button n (1 to 6) of the files page.
void FilesPageAction(int n);
