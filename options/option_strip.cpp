#include "options/option_strip.h"

namespace {

OptionStrip strip;

}  // namespace

const OptionStrip& CurrentStrip() { return strip; }

void SetStripPage(ToolGroup group, int selectedOption) {
    strip.toolGroup = group;
    strip.selectedOption = selectedOption;
}

void SetSelectedOption(int n) { strip.selectedOption = n; }

void NoteChooserShown(Chooser chooser) {
    switch (chooser) {
        case Chooser::kWidth: strip.widthChooserShown = true; break;
        case Chooser::kPattern: strip.patternChooserShown = true; break;
        case Chooser::kRainbow: strip.rainbowChooserShown = true; break;
    }
}

void NoteChoosersHidden() {
    strip.widthChooserShown = false;
    strip.patternChooserShown = false;
    strip.rainbowChooserShown = false;
}
