// A parent's limit on printing: at most PrintPagesPerHour pages in any hour, and none at all at 0.
#pragma once

// Whether one more page may be printed now.
bool PrintAllowedNow();
// A page went to the printer.
void NotePagePrinted();
