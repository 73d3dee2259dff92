// The filled polygon (state 7) and the white polygon eraser (26): each move adds a vertex and draws the
// outline so far; the release closes the outline and fills it.
#include "canvas/polygon_tools.h"

#include "base/colours.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/tool_states.h"
#include "canvas/tools.h"
#include "draw/canvas_drawing.h"
#include "draw/draw.h"
#include "draw/fill_brush.h"

POINT polygonPoints[kPolygonPoints];
int polygonCount;

namespace {


bool IsPolygonState(int state) { return state == kFilledPolygonState || state == kWhitePolygonState; }

// Once the list is full further vertices are dropped; the outline still follows the mouse.
void AddVertex(POINT p) {
    if (polygonCount < kPolygonPoints) polygonPoints[polygonCount++] = p;
}

// The closing line to the release point; the point is kept after the vertices but not counted.
void CloseOutline(HDC dc, POINT p) {
    DrawLine(dc, pointA.x, pointA.y, p.x, p.y);
    pointA = p;
    if (polygonCount < kPolygonPoints) polygonPoints[polygonCount] = p;
}

void FillPolygon(POINT p) {
    PlaySoundEffect(kSplatSound);
    CanvasDrawing d(canvasWindow, appPalette);
    d.UsePen(d.MakePen(1, CurrentBrush().currentColour));
    CloseOutline(d.dc(), p);
    SetBkMode(d.dc(), TRANSPARENT);
    d.UseBrush(MakeFillBrush(d, CurrentBrush().fillPattern, CurrentBrush().currentColour, kPatternOneHollow));
    Polygon(d.dc(), polygonPoints, polygonCount);
}

// Plain white without the palette.
void WhitePolygon(POINT p) {
    PlaySoundEffect(kStreaksSound);
    HDC dc = GetDC(canvasWindow);
    HPEN pen = CreatePen(PS_SOLID, 1, kPlainWhite);
    HBRUSH brush = CreateSolidBrush(kPlainWhite);
    HGDIOBJ keptPen = SelectObject(dc, pen);
    CloseOutline(dc, p);
    HGDIOBJ keptBrush = SelectObject(dc, brush);
    Polygon(dc, polygonPoints, polygonCount);
    SelectObject(dc, keptPen);
    SelectObject(dc, keptBrush);
    ReleaseDC(canvasWindow, dc);
    DeleteObject(pen);
    DeleteObject(brush);
}

}  // namespace

bool PressPolygonState(int state) {
    if (!IsPolygonState(state)) return false;
    polygonCount = 0;
    pointB = pointA;
    AddVertex(pointA);
    strokeActive = 1;
    return true;
}

bool MovePolygonState(int state, POINT p) {
    if (!IsPolygonState(state)) return false;
    COLORREF colour = state == kFilledPolygonState ? CurrentBrush().currentColour : kPlainWhite;
    DrawNibStroke(canvasWindow, appPalette, pointA.x, pointA.y, 1, colour, 9, p.x, p.y);
    pointA = p;
    AddVertex(p);
    return true;
}

bool ReleasePolygonState(int state, POINT p) {
    if (state == kFilledPolygonState)
        FillPolygon(p);
    else if (state == kWhitePolygonState)
        WhitePolygon(p);
    else
        return false;
    return true;
}
