#include "draw/drawing.h"

#include "base/state.h"

Drawing::Drawing(HWND window, HPALETTE palette, Realise realise)
    : window_(window), dc_(GetDC(window)), palette_(palette != nullptr) {
    if (!palette_) return;
    keptPalette_ = SelectPalette(dc_, palette, FALSE);
    if (realise == kRealise) RealizePalette(dc_);
}

Drawing::Drawing(Frame frame)
    : window_(frameWindow),
      painting_(frame == kFramePaint),
      dc_(painting_ ? BeginPaint(frameWindow, &paint_) : GetDC(frameWindow)),
      keptPalette_(SelectPalette(dc_, appPalette, TRUE)),
      palette_(true),
      background_(TRUE) {
    RealizePalette(dc_);
    UsePen(GetStockObject(BLACK_PEN));
    UseBrush(GetStockObject(WHITE_BRUSH));
}

Drawing::~Drawing() {
    RestorePenAndBrush();
    if (palette_) SelectPalette(dc_, keptPalette_, background_);
    if (painting_)
        EndPaint(window_, &paint_);
    else
        ReleaseDC(window_, dc_);
    for (HGDIOBJ object : made_) DeleteObject(object);
}

HGDIOBJ Drawing::Made(HGDIOBJ object) {
    if (object) made_.push_back(object);
    return object;
}

HPEN Drawing::MakePen(int width, COLORREF colour) { return MakePlainPen(width, PaletteColour(colour)); }

HPEN Drawing::MakePlainPen(int width, COLORREF colour) {
    return static_cast<HPEN>(Made(CreatePen(PS_SOLID, width, colour)));
}

HBRUSH Drawing::MakeSolidBrush(COLORREF colour) { return MakePlainSolidBrush(PaletteColour(colour)); }

HBRUSH Drawing::MakePlainSolidBrush(COLORREF colour) { return static_cast<HBRUSH>(Made(CreateSolidBrush(colour))); }

HBRUSH Drawing::MakeHatchBrush(int hatch, COLORREF colour) {
    return static_cast<HBRUSH>(Made(CreateHatchBrush(hatch, PaletteColour(colour))));
}

HBRUSH Drawing::MakeHollowBrush() {
    LOGBRUSH hollow{BS_HOLLOW, 0, 0};
    return static_cast<HBRUSH>(Made(CreateBrushIndirect(&hollow)));
}

void Drawing::UsePen(HGDIOBJ pen) {
    HGDIOBJ previous = SelectObject(dc_, pen);
    if (!keptPen_) keptPen_ = previous;
}

void Drawing::UseBrush(HGDIOBJ brush) {
    HGDIOBJ previous = SelectObject(dc_, brush);
    if (!keptBrush_) keptBrush_ = previous;
}

void Drawing::RestorePen() {
    if (keptPen_) SelectObject(dc_, keptPen_);
}

void Drawing::RestorePenAndBrush() {
    RestorePen();
    if (keptBrush_) SelectObject(dc_, keptBrush_);
}
