// Printing: the canvas picture stretched over the default printer's page, as one document of one page.
#include <cstring>

#include "base/state.h"
#include "files/dib.h"
#include "files/save_print.h"

namespace {

constexpr char kJobName[] = "DEDODUDO";
constexpr int kProfileSize = 64;

struct PrinterFields {
    char device[kProfileSize] = {};
    const char* name = "";
    const char* driver = "";
    const char* port = "";
};

// The profile's "device,driver,port", split in place at its commas; missing fields are empty.
void ReadDefaultPrinter(PrinterFields& printer) {
    GetProfileStringA("Windows", "device", "", printer.device, kProfileSize);
    const char** fields[3] = {&printer.name, &printer.driver, &printer.port};
    char* rest = printer.device;
    for (int i = 0; i < 3 && rest; i++) {
        *fields[i] = rest;
        rest = std::strchr(rest, ',');
        if (rest) *rest++ = '\0';
    }
}

}  // namespace

RECT PrintedArea(int pageWidth, int pageHeight) {
    int height = pageWidth < pageHeight ? pageHeight / 2 + pageHeight / 10 : pageHeight;
    return {0, 0, pageWidth, height};
}

void PrintPicture() {
    HDC canvas = GetDC(canvasWindow);
    HPALETTE kept = SelectPalette(canvas, appPalette, FALSE);
    RealizePalette(canvas);
    HGLOBAL block = CanvasBlock(canvas, canvasWidth - 2, canvasHeight - 2, canvasWidth - 2, canvasHeight - 2);

    PrinterFields printer;
    ReadDefaultPrinter(printer);
    HDC page = CreateDCA(printer.driver, printer.name, printer.port, nullptr);
    RECT area = PrintedArea(GetDeviceCaps(page, HORZRES), GetDeviceCaps(page, VERTRES));
    if (Escape(page, STARTDOC, int(sizeof kJobName - 1), kJobName, nullptr) > 0) {
        StretchDibToDevice(page, 0, 0, area.right, area.bottom, block, 0, 0, -1, -1, SRCCOPY);
        Escape(page, NEWFRAME, 0, nullptr, nullptr);
        Escape(page, ENDDOC, 0, nullptr, nullptr);
    }

    if (block) GlobalFree(block);
    if (page) DeleteDC(page);
    SelectPalette(canvas, kept, TRUE);
    ReleaseDC(canvasWindow, canvas);
}
