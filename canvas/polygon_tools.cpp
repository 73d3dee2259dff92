// The filled polygon (state 7) and the white polygon eraser (26): each move adds a vertex and draws the
// outline so far; the release closes the outline and fills it.
#include "canvas/polygon_tools.h"

#include "base/colours.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/tool_table.h"
#include "canvas/tools.h"
#include "draw/draw.h"
#include "draw/drawing.h"
#include "draw/fill_brush.h"

namespace {

POINT polygonPoints[kPolygonPoints];
int polygonCount;

// Once the list is full further vertices are dropped; the outline still follows the mouse.
void AddVertex(POINT p) {
    if (polygonCount < kPolygonPoints) polygonPoints[polygonCount++] = p;
}

// The closing line to the release point; the point is kept after the vertices but not counted.
void CloseOutline(HDC dc, POINT& from, POINT p) {
    DrawLine(dc, from.x, from.y, p.x, p.y);
    from = p;
    if (polygonCount < kPolygonPoints) polygonPoints[polygonCount] = p;
}

void ReleaseFilledPolygon(CanvasStroke& stroke, ToolState, POINT p) {
    const BrushChoice& brush = CurrentBrush();
    Drawing d(canvasWindow, appPalette);
    d.UsePen(d.MakePen(1, brush.currentColour));
    CloseOutline(d.dc(), stroke.from, p);
    SetBkMode(d.dc(), TRANSPARENT);
    d.UseBrush(MakeFillBrush(d, brush.fillPattern, brush.currentColour, kPatternOneHollow));
    Polygon(d.dc(), polygonPoints, polygonCount);
}

// Plain white without the palette.
void ReleaseWhitePolygon(CanvasStroke& stroke, ToolState, POINT p) {
    Drawing d(canvasWindow, nullptr);
    HPEN pen = d.MakePlainPen(1, kPlainWhite);
    HBRUSH brush = d.MakePlainSolidBrush(kPlainWhite);
    d.UsePen(pen);
    CloseOutline(d.dc(), stroke.from, p);
    d.UseBrush(brush);
    Polygon(d.dc(), polygonPoints, polygonCount);
}

void PressPolygon(CanvasStroke& stroke, ToolState) {
    polygonCount = 0;
    AddVertex(stroke.from);
}

void MovePolygon(CanvasStroke& stroke, ToolState state, POINT p) {
    COLORREF colour = state == kFilledPolygonState ? CurrentBrush().currentColour : kPlainWhite;
    DrawNibStroke(canvasWindow, appPalette, stroke.from.x, stroke.from.y, p.x, p.y, 1, colour, kWideLine);
    stroke.from = p;
    AddVertex(p);
}

const ToolRow kRows[] = {
    {.state = kFilledPolygonState, .press = PressPolygon, .move = MovePolygon, .release = ReleaseFilledPolygon,
     .releaseSound = kSplatSound},
    {.state = kWhitePolygonState, .press = PressPolygon, .move = MovePolygon, .release = ReleaseWhitePolygon,
     .cursor = kWhitePolygonCursor, .releaseSound = kStreaksSound},
};

}  // namespace

std::span<const ToolRow> PolygonRows() { return kRows; }

POINT* PolygonVertices() { return polygonPoints; }

int PolygonVertexCount() { return polygonCount; }
