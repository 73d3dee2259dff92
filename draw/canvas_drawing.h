// The frame every drawing routine follows, as one scoped object: get the window's device context, select
// (and usually realise) the palette, select the pens and brushes; at the end select back the pen and
// brush the context came with, then the palette, release the context and only then delete what was made.
#pragma once

#include <vector>

#include "base/colours.h"
#include "platform/win32.h"

// The palette-relative marker every colour of the routines gets.
inline COLORREF PaletteColour(COLORREF colour) { return colour | kPaletteRelative; }

class CanvasDrawing {
public:
    enum Realise { kRealise, kNoRealise };
    CanvasDrawing(HWND window, HPALETTE palette, Realise realise = kRealise);
    ~CanvasDrawing();
    CanvasDrawing(const CanvasDrawing&) = delete;
    CanvasDrawing& operator=(const CanvasDrawing&) = delete;

    HDC dc() const { return dc_; }

    // A solid pen of that width in the colour (palette-relative), made, selected and deleted at the end.
    HPEN MakePen(int width, COLORREF colour);
    // Like MakePen, with the colour exactly as given.
    HPEN MakePlainPen(int width, COLORREF colour);
    HBRUSH MakeSolidBrush(COLORREF colour);
    HBRUSH MakePlainSolidBrush(COLORREF colour);
    HBRUSH MakeHatchBrush(int hatch, COLORREF colour);
    HBRUSH MakeHollowBrush();
    // Select a pen or brush (made here or stock), keeping the ones the context came with.
    void UsePen(HGDIOBJ pen);
    void UseBrush(HGDIOBJ brush);
    // Back to the pen, or the pen and brush, the context came with, as some routines do before they go on.
    void RestorePen();
    void RestorePenAndBrush();

private:
    HGDIOBJ Made(HGDIOBJ object);

    HWND window_;
    HDC dc_;
    HPALETTE keptPalette_;
    HGDIOBJ keptPen_ = nullptr;
    HGDIOBJ keptBrush_ = nullptr;
    std::vector<HGDIOBJ> made_;
};
