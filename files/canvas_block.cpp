#include "base/state.h"
#include "dib/dib.h"
#include "files/save_print.h"

HGLOBAL CanvasBlock(HDC canvas, int width, int height, int shownWidth, int shownHeight) {
    HDC memory = CreateCompatibleDC(canvas);
    HBITMAP bitmap = CreateCompatibleBitmap(canvas, width, height);
    HGDIOBJ keptBitmap = SelectObject(memory, bitmap);
    HPALETTE keptPalette = SelectPalette(memory, appPalette, FALSE);
    RealizePalette(memory);
    BitBlt(memory, 0, 0, shownWidth, shownHeight, canvas, 0, 0, SRCCOPY);
    BitBlt(memory, shownWidth, 0, width - shownWidth, height, nullptr, 0, 0, WHITENESS);
    BitBlt(memory, 0, shownHeight, shownWidth, height - shownHeight, nullptr, 0, 0, WHITENESS);
    SelectPalette(memory, keptPalette, TRUE);
    SelectObject(memory, keptBitmap);
    HGLOBAL block = DibFromBitmap(bitmap, BI_RGB, 8, appPalette);
    DeleteDC(memory);
    DeleteObject(bitmap);
    return block;
}
