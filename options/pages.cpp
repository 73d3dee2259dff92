// The option strip's pages: the strip cleared, the page's icons drawn at their buttons with the page
// arrows where the page has them, then the page's state and its first option.
#include "options/pages.h"

#include <string>
#include <vector>

#include "base/frame_layout.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/tools.h"
#include "draw/drawing.h"
#include "draw/frame_drawing.h"
#include "options/choosers.h"
#include "options/option_strip.h"
#include "options/option_tables.h"
#include "options/select.h"

namespace {

HICON LoadNumberedIcon(int number) { return LoadIconA(appInstance, ("ICON_" + std::to_string(number)).c_str()); }

// The icons of the page whose group is given, and the arrows when it has them. Each is loaded for the
// drawing and released after it.
void DrawPage(int group, bool arrows) {
    ClearOptionStrip();
    std::vector<std::pair<POINT, HICON>> icons;
    {
        Drawing d(frameWindow, nullptr);
        for (int n = 1; n <= 12; n++)
            if (int number = PageIcon(group, n))
                icons.push_back({OptionButtonOrigin(n), LoadNumberedIcon(number)});
        if (arrows) {
            icons.push_back({kPreviousArrowOrigin, LoadNumberedIcon(4)});
            icons.push_back({kNextArrowOrigin, LoadNumberedIcon(127)});
        }
        for (const auto& [at, icon] : icons) DrawIcon(d.dc(), at.x, at.y, icon);
    }
    for (const auto& icon : icons) DestroyIcon(icon.second);
}

}  // namespace

void ClearOptionStrip() {
    Drawing d(Drawing::kFrame);
    DrawNavyRectangle(d, kOptionStripArea);
}

// Each page sets the selected option to another number than the one it selects, so that the selection is never
// skipped and its un-highlight falls on the freshly cleared strip.

void ShowToolPage(int page) {
    DrawPage(page, true);
    // A colouring picture starts with the fill.
    bool fill = page == 1 && CurrentBrush().colouringMode;
    SetStripPage(ToolGroup(page), fill ? 3 : 2);
    SelectOption(fill ? 2 : 1);
}

void ShowEffectsPage(int page) {
    ToolGroup group = page == 1 ? kFirstEffectsGroup : kSecondEffectsGroup;
    DrawPage(group, true);
    SetStripPage(group, 1);
    SetToolState(kNoToolState);
    ClearChooserArea();
}

void ShowRegionToolPage(int page) {
    ToolGroup group = page == 1 ? kFirstRegionGroup : kSecondRegionGroup;
    DrawPage(group, true);
    SetStripPage(group, 2);
    SetToolState(page == 1 ? kWhiteRectangleState : kNoToolState);
    SelectOption(1);
}

void ShowStampPage(int group) {
    DrawPage(group, true);
    SetStripPage(ToolGroup(group), 2);
    SetToolState(kStampState);
    SelectOption(1);
}

void ShowFilesPage() {
    DrawPage(kFilesGroup, false);
    SetStripPage(kFilesGroup, 1);
    SetToolState(kNoToolState);
    ClearChooserArea();
}

void NextPage() {
    const int toolGroup = CurrentStrip().toolGroup;
    if (IsBrushGroup(toolGroup)) ShowToolPage(toolGroup == kLastBrushGroup ? kFirstBrushGroup : toolGroup + 1);
    else if (IsStampGroup(toolGroup)) ShowStampPage(toolGroup == kLastStampGroup ? kFirstStampGroup : toolGroup + 1);
    else if (IsRegionGroup(toolGroup)) ShowRegionToolPage(toolGroup == kFirstRegionGroup ? 2 : 1);
    else if (IsEffectsGroup(toolGroup)) ShowEffectsPage(toolGroup == kFirstEffectsGroup ? 2 : 1);
}

void PreviousPage() {
    const int toolGroup = CurrentStrip().toolGroup;
    if (IsBrushGroup(toolGroup)) ShowToolPage(toolGroup == kFirstBrushGroup ? kLastBrushGroup : toolGroup - 1);
    else if (IsStampGroup(toolGroup)) ShowStampPage(toolGroup == kFirstStampGroup ? kLastStampGroup : toolGroup - 1);
    else if (IsRegionGroup(toolGroup)) ShowRegionToolPage(toolGroup == kFirstRegionGroup ? 2 : 1);
    else if (IsEffectsGroup(toolGroup)) ShowEffectsPage(toolGroup == kFirstEffectsGroup ? 2 : 1);
}
