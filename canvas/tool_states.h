// The tool states by kind. Each Press/Move/Release function answers for the states of its kind and
// returns false for any other state, so the dispatcher can ask them in turn. A press reads the press
// point from pointA.
#pragma once

#include "platform/win32.h"

// B := A and the stroke begins: the press of every state that has none of its own.
void DefaultPress();

// Freehand pens and brushes that hand the points to a drawing routine.
bool PressBrushState(int state);
bool MoveBrushState(int state, POINT p);
bool ReleaseBrushState(int state);

// Rubber-band shapes, the line and the box.
bool MoveShapeState(int state, POINT p);
bool ReleaseShapeState(int state, POINT p);

// The fill, the stamp, the blob trail and the splat: the press does everything.
bool PressOneClickState(int state);

// Pens that work out geometry of their own: speed, zigzag, jitter, ribbons, drips, red-green-blue.
bool PressGeometryPenState(int state);
bool MoveGeometryPenState(int state, POINT p);

// The mirrored pens.
bool PressMirrorPenState(int state);
bool MoveMirrorPenState(int state, POINT p);

// The filled polygon and the white polygon eraser.
bool PressPolygonState(int state);
bool MovePolygonState(int state, POINT p);
bool ReleasePolygonState(int state, POINT p);

// The region tools, the selection's drag and its move.
bool PressRegionState(int state);
bool MoveRegionState(int state, POINT p);
bool ReleaseRegionState(int state, POINT p);
