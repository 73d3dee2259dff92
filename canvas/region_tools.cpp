// The region tools: a rectangle dragged out on the canvas, then whitened, turned over, mirrored, inverted,
// filled with the shrunk picture, or blown up to the whole canvas; and the drag that makes a selection.
#include "base/colours.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/selection.h"
#include "canvas/tool_table.h"
#include "canvas/tools.h"
#include "draw/draw.h"
#include "draw/drawing.h"

namespace {

// The whole snapshot into the rectangle (shrink), or the rectangle of the snapshot onto the whole canvas
// (zoom), with the palette in pictureDC for the copy. Both read the snapshot, so repeating one does not
// compound.
void CopyFromSnapshot(HDC canvas, ToolState state, POINT a, int w, int h) {
    HPALETTE keptPicturePalette = SelectPalette(pictureDC, appPalette, FALSE);
    RealizePalette(pictureDC);
    if (state == kShrinkState) {
        BitBlt(canvas, 0, 0, canvasWidth, canvasHeight, nullptr, 0, 0, WHITENESS);
        StretchBlt(canvas, a.x, a.y, w, h, pictureDC, 0, 0, canvasWidth, canvasHeight, SRCCOPY);
    } else {
        StretchBlt(canvas, 0, 0, canvasWidth, canvasHeight, pictureDC, a.x, a.y, w, h, SRCCOPY);
    }
    SelectPalette(pictureDC, keptPicturePalette, FALSE);
}

// What the release does to the rectangle from A to P, once the rubber outline is gone.
void ActOnRegion(Drawing& d, ToolState state, POINT a, POINT p) {
    HDC dc = d.dc();
    int w = p.x - a.x, h = p.y - a.y;
    switch (state) {
        case kWhiteRectangleState:
            // A border of half the pen width around the rectangle goes white too.
            d.UsePen(d.MakePlainPen(CurrentBrush().penWidth, kPlainWhite));
            SetROP2(dc, R2_COPYPEN);
            d.UseBrush(d.MakePlainSolidBrush(kPlainWhite));
            Rectangle(dc, a.x, a.y, p.x, p.y);
            break;
        case kTurnState:
            SetROP2(dc, R2_COPYPEN);
            StretchBlt(dc, a.x, a.y, w, h, dc, a.x, a.y + h, w, -h, SRCCOPY);
            break;
        case kMirrorState:
            SetROP2(dc, R2_COPYPEN);
            StretchBlt(dc, a.x, a.y, w, h, dc, a.x + w, a.y, -w, h, SRCCOPY);
            break;
        case kInvertState: {
            SetROP2(dc, R2_COPYPEN);
            RECT r{a.x, a.y, p.x, p.y};
            InvertRect(dc, &r);
            break;
        }
        case kShrinkState:
        case kZoomState:
            SetROP2(dc, R2_COPYPEN);
            CopyFromSnapshot(dc, state, a, w, h);
            break;
        case kSelectState:
            // Drawn once more, the marquee stays on the screen until the selection is moved or dropped.
            KeepSelectionMarquee(dc, {a.x, a.y, p.x, p.y});
            SetToolState(kNoToolState);
            break;
        default: break;
    }
}

// Every region release: the last rubber outline (A to B) is erased first, then the region is acted on.
// The white rectangle works without the palette; none of them plays a sound.
void ReleaseRegion(CanvasStroke& stroke, ToolState state, POINT p) {
    Drawing d(canvasWindow, state == kWhiteRectangleState ? nullptr : appPalette);
    SetROP2(d.dc(), R2_XORPEN);
    d.UsePen(d.MakePlainPen(1, kPlainWhite));
    DrawRectOutline(d.dc(), stroke.from.x, stroke.from.y, stroke.outlineCorner.x, stroke.outlineCorner.y);
    ActOnRegion(d, state, stroke.from, p);
}

void MoveRegionOutline(CanvasStroke& stroke, ToolState, POINT p) {
    TrackShapeOutline(canvasWindow, appPalette, kRectangle, stroke.from.x, stroke.from.y, stroke.outlineCorner.x,
                      stroke.outlineCorner.y, p.x, p.y);
    stroke.outlineCorner = p;
}

void PressMoveSelection(CanvasStroke& stroke, ToolState) { BeginSelectionMove(stroke.from.x, stroke.from.y); }

void MoveSelectionAlong(CanvasStroke&, ToolState, POINT p) { MoveSelection(p); }

void ReleaseMovedSelection(CanvasStroke&, ToolState, POINT) { PasteSelection(); }

constexpr ToolRow Region(ToolState state, ToolCursor cursor = kPlainCursor) {
    return {.state = state, .move = MoveRegionOutline, .release = ReleaseRegion, .cursor = cursor};
}

const ToolRow kRows[] = {
    Region(kWhiteRectangleState, kRegionCursor),
    Region(kTurnState, kRegionCursor),
    Region(kMirrorState, kRegionCursor),
    Region(kInvertState, kRegionCursor),
    Region(kShrinkState),
    Region(kZoomState),
    Region(kSelectState),
    {.state = kMoveSelectionState, .press = PressMoveSelection, .move = MoveSelectionAlong,
     .release = ReleaseMovedSelection, .cursor = kMoveCursor},
};

}  // namespace

std::span<const ToolRow> RegionRows() { return kRows; }
