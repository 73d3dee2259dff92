// CreateDCA for the one printer there is: the default printer, by the device name the profile gives.
#include <strings.h>

#include "platform/api/print.h"
#include "platform/gdi/dc.h"
#include "platform/kernel/default_printer.h"
#include "platform/print/printer.h"

// The driver and port say nothing more here: every printer is reached through CUPS.
HDC WINAPI CreateDCA(LPCSTR, LPCSTR device, LPCSTR, const DEVMODEA*) {
    std::optional<std::string> printer = kernel::DefaultPrinterName();
    // Printer names, like Windows', are the same in any case.
    if (!device || !printer || strcasecmp(device, printer->c_str()) != 0) return nullptr;
    std::shared_ptr<print::Printer> made = print::NewPrinter(*printer, print::PrinterPageSize(*printer));
    return made ? gdi::CreatePrinterDc(std::move(made)) : nullptr;
}
