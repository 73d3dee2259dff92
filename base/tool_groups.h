// The tool groups: the page the option strip shows, as its toolGroup holds it.
#pragma once

// Each brush page and each stamp page is a group of its own; 14 is never set.
enum ToolGroup : int {
    kNoToolGroup = 0,
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
