#include "draw/canvas_drawing.h"

CanvasDrawing::CanvasDrawing(HWND window, HPALETTE palette, Realise realise)
    : window_(window), dc_(GetDC(window)), keptPalette_(SelectPalette(dc_, palette, FALSE)) {
    if (realise == kRealise) RealizePalette(dc_);
}

CanvasDrawing::~CanvasDrawing() {
    RestorePenAndBrush();
    SelectPalette(dc_, keptPalette_, FALSE);
    ReleaseDC(window_, dc_);
    for (HGDIOBJ object : made_) DeleteObject(object);
}

HGDIOBJ CanvasDrawing::Made(HGDIOBJ object) {
    if (object) made_.push_back(object);
    return object;
}

HPEN CanvasDrawing::MakePen(int width, COLORREF colour) { return MakePlainPen(width, PaletteColour(colour)); }

HPEN CanvasDrawing::MakePlainPen(int width, COLORREF colour) {
    return static_cast<HPEN>(Made(CreatePen(PS_SOLID, width, colour)));
}

HBRUSH CanvasDrawing::MakeSolidBrush(COLORREF colour) { return MakePlainSolidBrush(PaletteColour(colour)); }

HBRUSH CanvasDrawing::MakePlainSolidBrush(COLORREF colour) {
    return static_cast<HBRUSH>(Made(CreateSolidBrush(colour)));
}

HBRUSH CanvasDrawing::MakeHatchBrush(int hatch, COLORREF colour) {
    return static_cast<HBRUSH>(Made(CreateHatchBrush(hatch, PaletteColour(colour))));
}

HBRUSH CanvasDrawing::MakeHollowBrush() {
    LOGBRUSH hollow{BS_HOLLOW, 0, 0};
    return static_cast<HBRUSH>(Made(CreateBrushIndirect(&hollow)));
}

void CanvasDrawing::UsePen(HGDIOBJ pen) {
    HGDIOBJ previous = SelectObject(dc_, pen);
    if (!keptPen_) keptPen_ = previous;
}

void CanvasDrawing::UseBrush(HGDIOBJ brush) {
    HGDIOBJ previous = SelectObject(dc_, brush);
    if (!keptBrush_) keptBrush_ = previous;
}

void CanvasDrawing::RestorePen() {
    if (keptPen_) SelectObject(dc_, keptPen_);
}

void CanvasDrawing::RestorePenAndBrush() {
    RestorePen();
    if (keptBrush_) SelectObject(dc_, keptBrush_);
}
