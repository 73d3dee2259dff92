// What the canvas, the text, the option strip, the effects and the files ask of the frame once they have
// done their part: the frame owns the pages of the option strip, the colour panel and the effects, and
// acts on each request at once, as a call would.
#pragma once

#include "platform/win32.h"

enum FrameRequest : UINT {
    // Brush page 1, as after every effect, text, saved or opened picture and canvas repaint.
    kShowFirstToolPage = WM_APP + 1,
    // The frame's own painting, once the canvas exists.
    kPaintFrame,
    // The colour buttons and shades of the chosen family.
    kShowColourPanel,
    // After a paste: option 1, the cut selection, chosen again.
    kChooseCutSelectionAgain,
    // An effect button of a region-tool page: wParam the page's group, lParam the button.
    kRunRegionEffect,
    kLastFrameRequest = kRunRegionEffect,
};

// To the frame window; frame is its handle while it is still being made and frameWindow not yet set.
LRESULT AskFrame(FrameRequest request, WPARAM wParam = 0, LPARAM lParam = 0, HWND frame = nullptr);
