// The option strip's pages: which icons it shows, and the page each tool group starts with.
#pragma once

// The tool groups: the page the option strip shows, as toolGroup holds it. Each brush page and each stamp
// page is a group of its own; 14 is never set.
enum ToolGroup : int {
    kFirstBrushGroup = 1,
    kLastBrushGroup = 4,
    kFirstStampGroup = 5,
    kLastStampGroup = 12,
    kFilesGroup = 13,
    kUnusedGroup = 14,
    kFirstEffectsGroup = 15,
    kSecondEffectsGroup = 16,
    kFirstRegionGroup = 17,
    kSecondRegionGroup = 18,
};

inline bool IsBrushGroup(int group) { return group >= kFirstBrushGroup && group <= kLastBrushGroup; }
inline bool IsStampGroup(int group) { return group >= kFirstStampGroup && group <= kLastStampGroup; }
inline bool IsRegionGroup(int group) { return group == kFirstRegionGroup || group == kSecondRegionGroup; }
inline bool IsEffectsGroup(int group) { return group == kFirstEffectsGroup || group == kSecondEffectsGroup; }

// Paints the strip navy, its choosers too.
void ClearOptionStrip();
void ShowToolPage(int page);
// Page 1 is the first effects group, any other page the second.
void ShowEffectsPage(int page);
// Page 1 is the first region group, any other page the second.
void ShowRegionToolPage(int page);
// One of the stamp groups.
void ShowStampPage(int group);
void ShowFilesPage();
// The page arrows: through the ring of pages the current one belongs to; the effects pages are a ring of
// two, as the region-tool pages are.
void NextPage();
void PreviousPage();
