// Printing: the canvas picture on the default printer's page in its own proportions, as one document of one
// page, with a sound once the system has it and a box when there is no printer or the picture was refused;
// past a parent's limit, only the sound of a refusal.
#include <cstdint>
#include <cstring>

#include "base/sound.h"
#include "base/state.h"
#include "dib/dib.h"
#include "draw/drawing.h"
#include "files/journal.h"
#include "files/print_limit.h"
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

// The page, started, drawn and ended; true once the system has taken the whole document.
bool PrintOnPage(HDC page, HGLOBAL block, int width, int height) {
    if (!block) return false;
    RECT area = PrintedArea(GetDeviceCaps(page, HORZRES), GetDeviceCaps(page, VERTRES), width, height);
    if (Escape(page, STARTDOC, int(sizeof kJobName - 1), kJobName, nullptr) <= 0) return false;
    StretchDibToDevice(page, 0, 0, area.right, area.bottom, block, 0, 0, -1, -1, SRCCOPY);
    bool ended = Escape(page, NEWFRAME, 0, nullptr, nullptr) > 0;
    return Escape(page, ENDDOC, 0, nullptr, nullptr) > 0 && ended;
}

void ShowPrintWarning(const char* text) {
    HoldJournal(true);
    MessageBoxA(frameWindow, text, "Warning", MB_SYSTEMMODAL | MB_ICONEXCLAMATION);
    HoldJournal(false);
}

}  // namespace

RECT PrintedArea(int pageWidth, int pageHeight, int pictureWidth, int pictureHeight) {
    int width = pageWidth;
    int height = pageWidth < pageHeight ? pageHeight / 2 + pageHeight / 10 : pageHeight;
    if (pictureWidth <= 0 || pictureHeight <= 0) return {0, 0, width, height};
    // As tall as the full width makes it; a picture too tall for that gets the full height, and less width.
    int64_t proportional = int64_t(width) * pictureHeight / pictureWidth;
    if (proportional <= height) {
        height = int(proportional);
    } else {
        width = int(int64_t(height) * pictureWidth / pictureHeight);
    }
    return {0, 0, width, height};
}

void PrintPicture() {
    if (!PrintAllowedNow()) {
        PlaySoundEffect(kRefusedSound);
        return;
    }
    int width = canvasWidth - 2, height = canvasHeight - 2;
    HGLOBAL block;
    {
        Drawing canvas(canvasWindow, appPalette);
        block = CanvasBlock(canvas.dc(), width, height, width, height);
    }

    PrinterFields printer;
    ReadDefaultPrinter(printer);
    HDC page = *printer.name ? CreateDCA(printer.driver, printer.name, printer.port, nullptr) : nullptr;
    bool printed = page && PrintOnPage(page, block, width, height);
    if (block) GlobalFree(block);
    if (page) DeleteDC(page);

    if (printed) {
        NotePagePrinted();
        PlaySoundEffect(kPrintSound);
    } else {
        ShowPrintWarning(page ? "THE PICTURE WAS NOT PRINTED!" : "THERE IS NO PRINTER.");
    }
}
