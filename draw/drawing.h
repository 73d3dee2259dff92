// The frame every drawing follows, as one scoped object: get the window's device context (or begin its
// painting), select the palette and usually realise it, keep the pen and brush the context came with; at
// the end select those back, then the palette, give the context back, and only then delete what was made.
#pragma once

#include <vector>

#include "base/colours.h"
#include "platform/win32.h"

// The palette-relative marker every colour of the routines gets.
inline COLORREF PaletteColour(COLORREF colour) { return colour | kPaletteRelative; }

class Drawing {
public:
    enum Realise { kRealise, kNoRealise };
    // On a window with a palette; a null palette leaves the context's own.
    Drawing(HWND window, HPALETTE palette, Realise realise = kRealise);
    // On the frame, at any time or in answer to WM_PAINT: appPalette selected as a background palette and
    // realised, and the stock black pen and white brush selected to start with.
    enum Frame { kFrame, kFramePaint };
    explicit Drawing(Frame frame);
    ~Drawing();
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

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
    // Selects any object and returns the one it replaces, for a drawing that puts it back itself.
    HGDIOBJ Use(HGDIOBJ object) { return SelectObject(dc_, object); }
    // Back to the pen, or the pen and brush, the context came with, as some routines do before they go on.
    void RestorePen();
    void RestorePenAndBrush();

private:
    HGDIOBJ Made(HGDIOBJ object);

    HWND window_;
    PAINTSTRUCT paint_{};
    bool painting_ = false;
    HDC dc_;
    HPALETTE keptPalette_ = nullptr;
    bool palette_ = false;
    BOOL background_ = FALSE;
    HGDIOBJ keptPen_ = nullptr;
    HGDIOBJ keptBrush_ = nullptr;
    std::vector<HGDIOBJ> made_;
};
