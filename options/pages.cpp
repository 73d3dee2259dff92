#include "options/pages.h"

#include "options/select.h"
#include "shell/state.h"

// Each page sets selectedOption to another number than the one it selects, so that the selection is never
// skipped.

void ShowToolPage(int page) {
    toolGroup = page;
    // A colouring picture starts with the fill.
    if (page == 1 && colouringMode == 1) {
        selectedOption = 3;
        SelectOption(2);
    } else {
        selectedOption = 2;
        SelectOption(1);
    }
}

void ShowEffectsPage(int page) {
    toolGroup = page == 1 ? 15 : 16;
    toolState = 0;
    selectedOption = 1;
}

void ShowRegionToolPage(int page) {
    toolGroup = page == 1 ? 17 : 18;
    toolState = page == 1 ? 8 : 0;
    selectedOption = 2;
    SelectOption(1);
}

void ShowStampPage(int group) {
    toolGroup = group;
    toolState = 30;
    selectedOption = 2;
    SelectOption(1);
}

void ShowFilesPage() {
    toolGroup = 13;
    toolState = 0;
    selectedOption = 1;
}

void NextPage() {
    if (toolGroup >= 1 && toolGroup <= 4) ShowToolPage(toolGroup % 4 + 1);
    else if (toolGroup >= 5 && toolGroup <= 12) ShowStampPage(toolGroup == 12 ? 5 : toolGroup + 1);
    else if (toolGroup == 17 || toolGroup == 18) ShowRegionToolPage(toolGroup == 17 ? 2 : 1);
}

void PreviousPage() {
    if (toolGroup >= 1 && toolGroup <= 4) ShowToolPage(toolGroup == 1 ? 4 : toolGroup - 1);
    else if (toolGroup >= 5 && toolGroup <= 12) ShowStampPage(toolGroup == 5 ? 12 : toolGroup - 1);
    else if (toolGroup == 17 || toolGroup == 18) ShowRegionToolPage(toolGroup == 17 ? 2 : 1);
}
