#include "canvas/tool_table.h"

#include <iterator>

#include "canvas/tool_states.h"

namespace {

// The cursors the states share.
constexpr int kPenCursor = 2, kSprayCursor = 16, kRegionCursor = 15, kConfettiCursor = 21, kSoftPenCursor = 12,
              kRibbonCursor = 3;

constexpr ToolRow Shape(ToolState state, Sound sound = kShapeSound) {
    return {.state = state, .move = MoveShapeOutline, .release = ReleaseShape, .releaseSound = sound};
}

constexpr ToolRow Region(ToolState state, int cursor = 1) {
    return {.state = state, .move = MoveRectangleOutline, .release = ReleaseRegion, .cursor = cursor};
}

constexpr ToolRow Eraser(ToolState state, Sound sound) {
    return {.state = state, .press = PressEraser, .move = MoveEraser, .release = ReleaseEraser, .pressSound = sound};
}

constexpr ToolRow Nib(ToolState state, int cursor = 1) {
    return {.state = state, .press = PressNib, .move = MoveNib, .cursor = cursor};
}

constexpr ToolRow Ribbon(ToolState state, int cursor) {
    return {.state = state, .press = PressRibbon, .move = MoveRibbon, .cursor = cursor};
}

constexpr ToolRow Confetti(ToolState state) {
    return {.state = state, .press = PressConfetti, .move = MoveConfetti, .cursor = kConfettiCursor,
            .pressSound = kConfettiSound};
}

constexpr ToolRow Polygon(ToolState state, ReleaseAction release, int cursor, Sound sound) {
    return {.state = state, .press = PressPolygon, .move = MovePolygon, .release = release, .cursor = cursor,
            .releaseSound = sound};
}

constexpr ToolRow OneClick(ToolState state, PressAction press, int cursor, Sound sound = kNoSound) {
    return {.state = state, .press = press, .cursor = cursor, .pressSound = sound, .oneClick = true};
}

// Nothing chooses these states.
constexpr ToolRow Unused(ToolState state) { return {.state = state}; }

constexpr ToolRow kToolRows[] = {
    {.state = kNoToolState},
    {.state = kFreehandPenState, .press = PressPenDot, .move = MoveFreehandPen, .cursor = kPenCursor},
    {.state = kSprayCanState, .press = PressSpray, .move = MoveSpray, .cursor = kSprayCursor,
     .pressSound = kSpraySound},
    // The fill's sound plays only when it fills.
    OneClick(kFillState, PressFill, 11),
    Shape(kStarState),
    Shape(kOctagonState),
    {.state = kLineState, .move = MoveRubberLine, .release = ReleaseLine, .releaseSound = kLineSound},
    Polygon(kFilledPolygonState, ReleaseFilledPolygon, 1, kSplatSound),
    Region(kWhiteRectangleState, kRegionCursor),
    Shape(kRectangleState),
    Shape(kEllipseState),
    Shape(kRightTriangleState),
    Shape(kIsoscelesTriangleState, kSplatSound),
    {.state = kThinWhenFastState, .press = PressThinWhenFast, .move = MoveSpeedPen, .cursor = 14,
     .pressSound = kConfettiSound},
    {.state = kThickWhenFastState, .press = PressThickWhenFast, .move = MoveSpeedPen, .cursor = kPenCursor},
    {.state = kLineBurstState, .press = PressLineBurst, .move = MoveLineBurst, .cursor = 18,
     .pressSound = kBurstSound},
    Eraser(kSmallEraserState, kSmallEraserSound),
    Eraser(kLargeEraserState, kLargeEraserSound),
    {.state = kZigzagState, .move = MoveZigzag, .pressSound = kZigzagSound},
    Confetti(kConfettiCirclesState),
    {.state = kFuzzyPenState, .press = PressFuzzyPen, .move = MoveFuzzyPen, .cursor = kSoftPenCursor},
    Nib(kSlashNibState),
    Nib(kBackslashNibState),
    Nib(kVerticalNibState, 19),
    Nib(kHorizontalNibState, 20),
    {.state = kPointMirroredState, .move = MovePointMirrored},
    Polygon(kWhitePolygonState, ReleaseWhitePolygon, 13, kStreaksSound),
    Region(kTurnState, kRegionCursor),
    Region(kMirrorState, kRegionCursor),
    Unused(ToolState(29)),
    // The stamp's cursor is made from the stamp; its sound is its own.
    {.state = kStampState, .press = PressStamp},
    Unused(ToolState(31)),
    {.state = kBirdsState, .press = PressBirds, .move = MoveBirds, .cursor = 8, .pressSound = kBirdsSound},
    Unused(ToolState(33)),
    {.state = kFourWayState, .press = PressFourWay, .move = MoveFourWay, .cursor = kPenCursor,
     .pressSound = kFourWaySound},
    {.state = kGrassState, .press = PressGrass, .move = MoveGrass, .cursor = 7, .pressSound = kGrassSound},
    {.state = kBubblesState, .press = PressBubbles, .move = MoveBubbles, .cursor = 17, .pressSound = kBubblesSound},
    {.state = kFanState, .move = MoveFan},
    {.state = kBoxState, .move = MoveRectangleOutline, .release = ReleaseBox, .releaseSound = kBoxSound},
    {.state = kJitteryState, .press = PressPenDot, .move = MoveJittery, .cursor = kPenCursor,
     .pressSound = kJitterySound},
    {.state = kShadeSprayState, .press = PressShadeSpray, .move = MoveShadeSpray, .cursor = kSprayCursor,
     .pressSound = kSpraySound},
    Ribbon(kStripedState, kRibbonCursor),
    Ribbon(kSpeckledState, kRibbonCursor),
    {.state = kDrippingState, .press = PressPenDot, .move = MoveDripping, .cursor = 5},
    Confetti(kConfettiSquaresState),
    OneClick(kBlobState, PressBlobTrail, kConfettiCursor, kBurstSound),
    {.state = kSparkleState, .press = PressSparkle, .move = MoveSparkle, .cursor = kSoftPenCursor},
    {.state = kRedGreenBlueState, .press = PressRedGreenBlue, .move = MoveRedGreenBlue},
    {.state = kCrossHairState, .press = PressCrossHair, .move = MoveCrossHair},
    Ribbon(kStripedReversedState, 10),
    {.state = kTopToBottomState, .press = PressTopToBottom, .move = MoveTopToBottom, .cursor = kPenCursor,
     .pressSound = kChoiceSound},
    {.state = kLeftToRightState, .press = PressLeftToRight, .move = MoveLeftToRight, .cursor = kPenCursor},
    {.state = kSpeckledBlocksState, .press = PressSpeckledBlock, .move = MoveSpeckledBlock, .cursor = 4},
    // The splat plays its sound itself, once it has made its polygon.
    OneClick(kSplatState, PressSplat, kConfettiCursor),
    {.state = kCurtainState, .press = PressCurtain, .move = MoveCurtain},
    Region(kInvertState, kRegionCursor),
    Region(kShrinkState),
    Region(kZoomState),
    {.state = kPixelScatterState, .press = PressPixelScatter, .move = MovePixelScatter,
     .pressSound = kPixelScatterSound},
    Region(kSelectState),
    {.state = kMoveSelectionState, .press = PressMoveSelection, .move = MoveSelectionAlong,
     .release = ReleaseMovedSelection, .cursor = 22},
    {.state = kForkPenState, .press = PressPenDot, .move = MoveFork},
    {.state = kSparkCrossState, .press = PressSparkCross, .move = MoveSparkCross, .cursor = kConfettiCursor},
};

constexpr bool RowsInStateOrder() {
    for (size_t n = 0; n < std::size(kToolRows); n++)
        if (kToolRows[n].state != int(n)) return false;
    return std::size(kToolRows) == kLastToolState + 1;
}
static_assert(RowsInStateOrder(), "row n is the row of tool state n, up to the last");

}  // namespace

const ToolRow& ToolRowFor(ToolState state) { return kToolRows[state]; }
