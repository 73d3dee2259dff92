#include "platform/print/printer.h"

#include "platform/api/gdi.h"
#include "platform/backend/print.h"
#include "platform/gdi/dc.h"

namespace print {
namespace {

constexpr uint32_t kPaper = 0xFFFFFF;

}  // namespace

Printer::~Printer() {
    if (inJob) backend::CancelPrintJob(jobNumber);
}

bool Printer::StartJob(const std::string& title) {
    if (inJob) return false;
    int job = backend::StartPrintJob(name, title);
    if (job <= 0) return false;
    inJob = true;
    jobNumber = job;
    return true;
}

bool Printer::StartPage() {
    if (!inJob || pageOpen || !page.allocate(size.width, size.height, 32, kPaper)) return false;
    pageOpen = true;
    return true;
}

bool Printer::EndPage() {
    if (!pageOpen) return false;
    pageOpen = false;
    // The page's pixels go as they are, without a copy: a page is tens of megabytes.
    backend::PrintedPage out{page.width, page.height, size.dpi, std::move(page.storage)};
    page = gdi::Surface{};
    backend::PrintPage(jobNumber, std::move(out));
    return true;
}

bool Printer::EndJob() {
    if (!LeaveJob()) return false;
    backend::EndPrintJob(jobNumber);
    return true;
}

bool Printer::AbortJob() {
    if (!LeaveJob()) return false;
    backend::CancelPrintJob(jobNumber);
    return true;
}

bool Printer::LeaveJob() {
    if (!inJob) return false;
    inJob = pageOpen = false;
    page = gdi::Surface{};
    return true;
}

std::shared_ptr<Printer> NewPrinter(const std::string& name, const PageSize& size) {
    auto printer = std::make_shared<Printer>();
    printer->name = name;
    printer->size = size;
    return printer;
}

Printer* FindPrinter(HDC dc) {
    gdi::DeviceContext* d = gdi::FindDc(dc);
    return d ? d->printer.get() : nullptr;
}

int PrinterDeviceCaps(const Printer& printer, int index) {
    switch (index) {
        case HORZRES: return printer.size.width;
        case VERTRES: return printer.size.height;
        case BITSPIXEL: return 24;
        case PLANES: return 1;
        case NUMCOLORS: return -1;
        case SIZEPALETTE: return 0;
        case LOGPIXELSX:
        case LOGPIXELSY: return printer.size.dpi;
        case RASTERCAPS:
            return RC_BITBLT | RC_BITMAP64 | RC_GDI20_OUTPUT | RC_DI_BITMAP | RC_DIBTODEV | RC_BIGFONT |
                   RC_STRETCHBLT | RC_STRETCHDIB;
        default: return 0;
    }
}

}  // namespace print
