#include "options/option_tables.h"

#include "base/tool_groups.h"
#include "canvas/selection.h"

namespace {

constexpr int W = kWidth, R = kRainbow, P = kPattern;

OptionRow Tool(int icon, ToolState state, int choosers) { return {OptionRow::kTool, state, choosers, icon}; }
// The effects are the frame's to run; the row only shows the button.
OptionRow Effect(int icon) { return {OptionRow::kEffect, kNoToolState, kNoChoosers, icon}; }

const OptionRow kBrushPages[4][12] = {
    {Tool(1, kFreehandPenState, W | R), Tool(3, kFillState, P), Tool(5, kSprayCanState, W | R),
     Tool(12, kThinWhenFastState, 0), Tool(13, kThickWhenFastState, 0), Tool(20, kFuzzyPenState, R),
     Tool(18, kZigzagState, W | R), Tool(19, kConfettiCirclesState, R), Tool(14, kLineBurstState, W),
     Tool(15, kFilledPolygonState, P), Tool(23, kHorizontalNibState, W | R), Tool(25, kPointMirroredState, R)},
    {Tool(2, kRectangleState, W | P), Tool(9, kEllipseState, W | P), Tool(11, kIsoscelesTriangleState, W | P),
     Tool(7, kStarState, W | P), Tool(8, kOctagonState, W | P), Tool(10, kRightTriangleState, W | P),
     Tool(6, kLineState, W), Tool(16, kSmallEraserState, 0), Tool(17, kLargeEraserState, 0),
     Tool(21, kSlashNibState, W | R), Tool(22, kBackslashNibState, W | R), Tool(24, kVerticalNibState, W | R)},
    {Tool(128, kForkPenState, W | R), Tool(129, kBirdsState, 0), Tool(130, kSparkCrossState, W | R),
     Tool(131, kFourWayState, W | R), Tool(132, kGrassState, R), Tool(133, kBubblesState, W | R),
     Tool(134, kFanState, W | R), Tool(135, kBoxState, W), Tool(136, kJitteryState, W | R),
     Tool(137, kShadeSprayState, W), Tool(138, kStripedState, W), Tool(139, kSpeckledState, W)},
    {Tool(140, kDrippingState, W | R), Tool(141, kConfettiSquaresState, 0), Tool(142, kBlobState, 0),
     Tool(143, kSparkleState, 0), Tool(144, kRedGreenBlueState, 0), Tool(145, kCrossHairState, W),
     Tool(146, kStripedReversedState, W), Tool(147, kTopToBottomState, W | R), Tool(148, kLeftToRightState, W | R),
     Tool(149, kSpeckledBlocksState, W), Tool(150, kSplatState, 0), Tool(151, kCurtainState, W | R)},
};

const OptionRow kRegionPage1[12] = {
    Tool(34, kWhiteRectangleState, 0),
    Tool(35, kWhitePolygonState, 0),
    Tool(37, kMirrorState, 0),
    Tool(38, kTurnState, 0),
    Effect(36),
    Effect(39),
    Effect(40),
    Effect(41),
    Tool(192, kInvertState, 0),
    Effect(193),
    Effect(194),
    Effect(195),
};

OptionRow Selection(int icon, SelectionMode mode) {
    OptionRow row = Tool(icon, kSelectState, 0);
    row.selection = mode;
    return row;
}

OptionRow ZoomRegion() {
    OptionRow row = Tool(203, kZoomState, 0);
    row.sound = kZoomRegionSound;
    return row;
}

const OptionRow kRegionPage2[12] = {
    Selection(196, kCutSelection),
    Effect(197),
    Effect(198),
    Tool(199, kShrinkState, 0),
    Effect(200),
    Effect(201),
    Effect(202),
    ZoomRegion(),
    Tool(204, kPixelScatterState, 0),
    Effect(205),
    Effect(206),
    Selection(207, kCopySelection),
};

// The first icon of each stamp page, in the order of the stamp groups; the page's twelve icons follow it.
constexpr int kStampPageFirstIcon[8] = {52, 64, 76, 88, 100, 112, 156, 168};

const int kEffectsPageIcons[2][12] = {
    {26, 27, 28, 29, 30, 31, 32, 33, 152, 153, 154, 155},
    {183, 184, 185, 186, 187, 188, 189, 190, 191, 180, 181, 182},
};

}  // namespace

bool FindOptionRow(int toolGroup, int n, OptionRow& row) {
    if (n < 1 || n > 12) return false;
    if (IsBrushGroup(toolGroup)) {
        row = kBrushPages[toolGroup - kFirstBrushGroup][n - 1];
    } else if (IsStampGroup(toolGroup)) {
        row = {OptionRow::kStamp, kStampState, kNoChoosers, kStampPageFirstIcon[toolGroup - kFirstStampGroup] + n - 1};
    } else if (toolGroup == kFirstRegionGroup) {
        row = kRegionPage1[n - 1];
    } else if (toolGroup == kSecondRegionGroup) {
        row = kRegionPage2[n - 1];
    } else {
        return false;
    }
    return true;
}

int PageIcon(int toolGroup, int n) {
    if (toolGroup == kFirstEffectsGroup || toolGroup == kSecondEffectsGroup)
        return n >= 1 && n <= 12 ? kEffectsPageIcons[toolGroup - kFirstEffectsGroup][n - 1] : 0;
    if (toolGroup == kFilesGroup) {
        const int files[5] = {49, 48, 50, 126, SoundIsOn() ? 209 : 210};
        return n >= 1 && n <= 5 ? files[n - 1] : 0;
    }
    OptionRow row;
    return FindOptionRow(toolGroup, n, row) ? row.icon : 0;
}
