// The option strip's pages: the strip cleared, the page's icons drawn at their buttons with the page
// arrows where the page has them, then the page's state and its first option.
#include "options/pages.h"

#include <string>
#include <vector>

#include "base/frame_layout.h"
#include "base/state.h"
#include "canvas/tools.h"
#include "draw/frame_drawing.h"
#include "options/choosers.h"
#include "options/option_tables.h"
#include "options/select.h"

namespace {

HICON LoadNumberedIcon(int number) { return LoadIconA(appInstance, ("ICON_" + std::to_string(number)).c_str()); }

// The icons of the page whose group is given, and the arrows when it has them. Each is loaded for the
// drawing and released after it.
void DrawPage(int group, bool arrows) {
    ClearOptionStrip();
    HDC dc = GetDC(frameWindow);
    std::vector<std::pair<POINT, HICON>> icons;
    for (int n = 1; n <= 12; n++)
        if (int number = PageIcon(group, n))
            icons.push_back({OptionButtonOrigin(n), LoadNumberedIcon(number)});
    if (arrows) {
        icons.push_back({kPreviousArrowOrigin, LoadNumberedIcon(4)});
        icons.push_back({kNextArrowOrigin, LoadNumberedIcon(127)});
    }
    for (const auto& [at, icon] : icons) DrawIcon(dc, at.x, at.y, icon);
    ReleaseDC(frameWindow, dc);
    for (const auto& icon : icons) DestroyIcon(icon.second);
}

}  // namespace

void ClearOptionStrip() {
    FrameDrawing d;
    DrawNavyRectangle(d, kOptionStripArea);
}

// Each page sets selectedOption to another number than the one it selects, so that the selection is never
// skipped and its un-highlight falls on the freshly cleared strip.

void ShowToolPage(int page) {
    DrawPage(page, true);
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
    int group = page == 1 ? kFirstEffectsGroup : kSecondEffectsGroup;
    DrawPage(group, true);
    toolGroup = group;
    toolState = kNoToolState;
    selectedOption = 1;
    ClearChooserArea();
}

void ShowRegionToolPage(int page) {
    int group = page == 1 ? kFirstRegionGroup : kSecondRegionGroup;
    DrawPage(group, true);
    toolGroup = group;
    toolState = page == 1 ? kWhiteRectangleState : kNoToolState;
    selectedOption = 2;
    SelectOption(1);
}

void ShowStampPage(int group) {
    DrawPage(group, true);
    toolGroup = group;
    toolState = kStampState;
    selectedOption = 2;
    SelectOption(1);
}

void ShowFilesPage() {
    DrawPage(kFilesGroup, false);
    toolGroup = kFilesGroup;
    toolState = kNoToolState;
    selectedOption = 1;
    ClearChooserArea();
}

void NextPage() {
    if (IsBrushGroup(toolGroup)) ShowToolPage(toolGroup == kLastBrushGroup ? kFirstBrushGroup : toolGroup + 1);
    else if (IsStampGroup(toolGroup)) ShowStampPage(toolGroup == kLastStampGroup ? kFirstStampGroup : toolGroup + 1);
    else if (IsRegionGroup(toolGroup)) ShowRegionToolPage(toolGroup == kFirstRegionGroup ? 2 : 1);
    else if (IsEffectsGroup(toolGroup)) ShowEffectsPage(toolGroup == kFirstEffectsGroup ? 2 : 1);
}

void PreviousPage() {
    if (IsBrushGroup(toolGroup)) ShowToolPage(toolGroup == kFirstBrushGroup ? kLastBrushGroup : toolGroup - 1);
    else if (IsStampGroup(toolGroup)) ShowStampPage(toolGroup == kFirstStampGroup ? kLastStampGroup : toolGroup - 1);
    else if (IsRegionGroup(toolGroup)) ShowRegionToolPage(toolGroup == kFirstRegionGroup ? 2 : 1);
    else if (IsEffectsGroup(toolGroup)) ShowEffectsPage(toolGroup == kFirstEffectsGroup ? 2 : 1);
}
