#include "options/pages.h"

#include "options/select.h"
#include "shell/state.h"

void ShowToolPage(int page) {
    toolGroup = page;
    // Another number than the one to select, so that the selection is never skipped; a colouring
    // picture starts with the fill.
    if (page == 1 && colouringMode == 1) {
        selectedOption = 3;
        SelectOption(2);
    } else {
        selectedOption = 2;
        SelectOption(1);
    }
}
