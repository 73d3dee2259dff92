// The files page: open, save, print, delete and the sound switch.
#pragma once

// The files page's buttons; 6 to 12 are empty places.
enum FilesButton : int { kOpenButton = 1, kSaveButton = 2, kPrintButton = 3, kDeleteButton = 4, kSoundButton = 5 };

// The action of button n of the files page: open, save, print, delete, the sound switch; 6 to 12 are
// empty places. The frame clears the chooser area before the first four and shows the page again after
// the others.
void FilesPageAction(int n);
