// The actions of the tool states, by kind. Each press, move and release action gets the stroke and the
// state it acts for; the table in tool_table.cpp says which action each state has.
#pragma once

#include "canvas/stroke.h"
#include "canvas/tools.h"
#include "platform/win32.h"

// Freehand pens and brushes that hand the points to a drawing routine.
void PressPenDot(Stroke& stroke, ToolState state);
void PressSpray(Stroke& stroke, ToolState state);
void PressLineBurst(Stroke& stroke, ToolState state);
void PressEraser(Stroke& stroke, ToolState state);
void PressConfetti(Stroke& stroke, ToolState state);
void PressFuzzyPen(Stroke& stroke, ToolState state);
void PressNib(Stroke& stroke, ToolState state);
void PressBirds(Stroke& stroke, ToolState state);
void PressGrass(Stroke& stroke, ToolState state);
void PressBubbles(Stroke& stroke, ToolState state);
void PressShadeSpray(Stroke& stroke, ToolState state);
void PressSparkle(Stroke& stroke, ToolState state);
void PressCrossHair(Stroke& stroke, ToolState state);
void PressSpeckledBlock(Stroke& stroke, ToolState state);
void PressPixelScatter(Stroke& stroke, ToolState state);
void PressSparkCross(Stroke& stroke, ToolState state);
void MoveFreehandPen(Stroke& stroke, ToolState state, POINT p);
void MoveSpray(Stroke& stroke, ToolState state, POINT p);
void MoveLineBurst(Stroke& stroke, ToolState state, POINT p);
void MoveEraser(Stroke& stroke, ToolState state, POINT p);
void MoveConfetti(Stroke& stroke, ToolState state, POINT p);
void MoveFuzzyPen(Stroke& stroke, ToolState state, POINT p);
void MoveNib(Stroke& stroke, ToolState state, POINT p);
void MoveBirds(Stroke& stroke, ToolState state, POINT p);
void MoveGrass(Stroke& stroke, ToolState state, POINT p);
void MoveBubbles(Stroke& stroke, ToolState state, POINT p);
void MoveFan(Stroke& stroke, ToolState state, POINT p);
void MoveShadeSpray(Stroke& stroke, ToolState state, POINT p);
void MoveSparkle(Stroke& stroke, ToolState state, POINT p);
void MoveCrossHair(Stroke& stroke, ToolState state, POINT p);
void MoveSpeckledBlock(Stroke& stroke, ToolState state, POINT p);
void MovePixelScatter(Stroke& stroke, ToolState state, POINT p);
void MoveFork(Stroke& stroke, ToolState state, POINT p);
void MoveSparkCross(Stroke& stroke, ToolState state, POINT p);
void ReleaseEraser(Stroke& stroke, ToolState state, POINT p);

// Rubber-band shapes, the line and the box: an outline follows the mouse, the release finishes.
void MoveRubberLine(Stroke& stroke, ToolState state, POINT p);
void MoveShapeOutline(Stroke& stroke, ToolState state, POINT p);
// The box's and the region drags' outline.
void MoveRectangleOutline(Stroke& stroke, ToolState state, POINT p);
void ReleaseLine(Stroke& stroke, ToolState state, POINT p);
void ReleaseBox(Stroke& stroke, ToolState state, POINT p);
void ReleaseShape(Stroke& stroke, ToolState state, POINT p);

// The fill, the stamp, the blob trail and the splat: the press does everything.
void PressFill(Stroke& stroke, ToolState state);
void PressStamp(Stroke& stroke, ToolState state);
void PressBlobTrail(Stroke& stroke, ToolState state);
void PressSplat(Stroke& stroke, ToolState state);

// Pens that work out geometry of their own: speed, zigzag, jitter, ribbons, drips, red-green-blue.
void PressThinWhenFast(Stroke& stroke, ToolState state);
void PressThickWhenFast(Stroke& stroke, ToolState state);
void PressRibbon(Stroke& stroke, ToolState state);
void PressRedGreenBlue(Stroke& stroke, ToolState state);
void MoveSpeedPen(Stroke& stroke, ToolState state, POINT p);
void MoveZigzag(Stroke& stroke, ToolState state, POINT p);
void MoveJittery(Stroke& stroke, ToolState state, POINT p);
void MoveRibbon(Stroke& stroke, ToolState state, POINT p);
void MoveDripping(Stroke& stroke, ToolState state, POINT p);
void MoveRedGreenBlue(Stroke& stroke, ToolState state, POINT p);

// The mirrored pens.
void PressFourWay(Stroke& stroke, ToolState state);
void PressTopToBottom(Stroke& stroke, ToolState state);
void PressLeftToRight(Stroke& stroke, ToolState state);
void PressCurtain(Stroke& stroke, ToolState state);
void MovePointMirrored(Stroke& stroke, ToolState state, POINT p);
void MoveFourWay(Stroke& stroke, ToolState state, POINT p);
void MoveTopToBottom(Stroke& stroke, ToolState state, POINT p);
void MoveLeftToRight(Stroke& stroke, ToolState state, POINT p);
void MoveCurtain(Stroke& stroke, ToolState state, POINT p);

// The filled polygon and the white polygon eraser.
void PressPolygon(Stroke& stroke, ToolState state);
void MovePolygon(Stroke& stroke, ToolState state, POINT p);
void ReleaseFilledPolygon(Stroke& stroke, ToolState state, POINT p);
void ReleaseWhitePolygon(Stroke& stroke, ToolState state, POINT p);

// The region tools, the selection's drag and its move.
void PressMoveSelection(Stroke& stroke, ToolState state);
void MoveSelectionAlong(Stroke& stroke, ToolState state, POINT p);
void ReleaseRegion(Stroke& stroke, ToolState state, POINT p);
void ReleaseMovedSelection(Stroke& stroke, ToolState state, POINT p);
