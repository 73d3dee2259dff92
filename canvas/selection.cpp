#include "canvas/selection.h"

#include <utility>

#include "base/colours.h"
#include "base/frame_layout.h"
#include "base/frame_requests.h"
#include "base/state.h"
#include "canvas/tools.h"
#include "draw/draw.h"
#include "draw/drawing.h"
#include "draw/frame_drawing.h"

namespace {

RECT selectionRect;

bool marqueeShown;
SelectionMode selectionMode = kNoSelection;
// A selection picked up: where its marquee was last drawn, its size, and the grab point within it.
POINT grabbedAt, selectionSize, grabOffset;

// Option button 12 is the copy selection.
constexpr int kCopyButton = 12;

// The canvas set up for the marquee: exclusive-or with a white one-pixel pen.
struct MarqueeDrawing : Drawing {
    MarqueeDrawing() : Drawing(canvasWindow, appPalette) {
        SetROP2(dc(), R2_XORPEN);
        UsePen(MakePlainPen(1, kPlainWhite));
    }
};

// Between the two ends, edges included, in whichever order they lie.
bool Between(LONG v, LONG a, LONG b) { return a <= b ? v >= a && v <= b : v >= b && v <= a; }

// The marquee of the grabbed selection with the grab point at (x, y).
void DrawGrabbedMarquee(HDC dc, int x, int y) {
    int left = x - grabOffset.x, top = y - grabOffset.y;
    DrawRectOutline(dc, left, top, left + selectionSize.x, top + selectionSize.y);
}

// One axis of the grab: the extent into size, the grab point's offset into offset, the ends ordered.
void OrderAxis(LONG& low, LONG& high, int at, LONG& size, LONG& offset) {
    if (low < high) {
        size = high - low;
        offset = at - low;
    } else {
        size = low - high;
        offset = at - high;
        std::swap(low, high);
    }
}

// After a copy its button no longer looks chosen: the highlight is flooded back to the strip's navy.
void RemoveCopyHighlight() {
    Drawing d(Drawing::kFrame);
    d.Use(d.MakePlainSolidBrush(kFrameBackground));
    POINT at = OptionButtonOrigin(kCopyButton);
    COLORREF under = GetPixel(d.dc(), at.x, at.y);
    ExtFloodFill(d.dc(), at.x, at.y, under | kPaletteRelative, FLOODFILLSURFACE);
}

}  // namespace

RECT CurrentSelectionRect() { return selectionRect; }

bool SelectionUnder(POINT p) {
    const RECT& r = selectionRect;
    return marqueeShown && Between(p.x, r.left, r.right) && Between(p.y, r.top, r.bottom);
}

SelectionMode CurrentSelectionMode() { return selectionMode; }

void SetSelectionMode(SelectionMode mode) { selectionMode = mode; }

void KeepSelectionMarquee(HDC dc, RECT r) {
    DrawRectOutline(dc, r.left, r.top, r.right, r.bottom);
    selectionRect = r;
    marqueeShown = true;
}

bool SelectionMarqueeShown() { return marqueeShown; }

void ForgetSelectionMarquee() { marqueeShown = false; }

// Drawing the marquee of a selection that is not shown would leave a stray rectangle on the picture.
void CancelSelection() {
    if (marqueeShown) {
        MarqueeDrawing d;
        DrawRectOutline(d.dc(), selectionRect.left, selectionRect.top, selectionRect.right, selectionRect.bottom);
    }
    marqueeShown = false;
    selectionMode = kNoSelection;
}

void BeginSelectionMove(int x, int y) {
    marqueeShown = false;
    MarqueeDrawing d;
    RECT& r = selectionRect;
    DrawRectOutline(d.dc(), r.left, r.top, r.right, r.bottom);
    OrderAxis(r.left, r.right, x, selectionSize.x, grabOffset.x);
    OrderAxis(r.top, r.bottom, y, selectionSize.y, grabOffset.y);
    grabbedAt = {x, y};
    DrawGrabbedMarquee(d.dc(), x, y);
}

void MoveSelection(POINT p) {
    MarqueeDrawing d;
    DrawGrabbedMarquee(d.dc(), grabbedAt.x, grabbedAt.y);
    grabbedAt = p;
    DrawGrabbedMarquee(d.dc(), p.x, p.y);
}

void PasteSelection() {
    {
        MarqueeDrawing d;
        DrawGrabbedMarquee(d.dc(), grabbedAt.x, grabbedAt.y);
        SetROP2(d.dc(), R2_COPYPEN);
        d.UseBrush(d.MakePlainSolidBrush(kPlainWhite));
        const RECT& r = selectionRect;
        // A cut leaves white where the selection came from; an overlapping paste lands on top of it.
        if (selectionMode == kCutSelection) Rectangle(d.dc(), r.left, r.top, r.right, r.bottom);
        BitBlt(d.dc(), grabbedAt.x - grabOffset.x, grabbedAt.y - grabOffset.y, selectionSize.x, selectionSize.y,
               pictureDC, r.left, r.top, SRCCOPY);
    }
    SetToolState(kNoToolState);
    if (selectionMode != kCutSelection) RemoveCopyHighlight();
    selectionMode = kNoSelection;
    // Off the canvas, so that no press can hit the old rectangle.
    selectionRect.left = selectionRect.right = screenWidth + 3;
    AskFrame(kChooseCutSelectionAgain);
}
