#include "options/select.h"

#include "shell/state.h"

void SelectOption(int option) {
    if (option == selectedOption) return;
    selectedOption = option;
}
