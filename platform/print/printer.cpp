#include "platform/print/printer.h"

#include <algorithm>
#include <atomic>

#include "platform/api/gdi.h"
#include "platform/backend/print.h"
#include "platform/gdi/dc.h"

namespace print {
namespace {

constexpr uint32_t kPaper = 0xFFFFFF;

int NextJobNumber() {
    static std::atomic<int> last{0};
    return ++last;
}

backend::PrintedPage PageToHandOver(const Printer& printer) {
    backend::PrintedPage out;
    out.printer = printer.name;
    out.job = printer.jobName;
    out.jobNumber = printer.jobNumber;
    out.width = printer.page.width;
    out.height = printer.page.height;
    out.dpi = printer.dpi;
    out.pixels.reserve(size_t(out.width) * size_t(out.height));
    for (int y = 0; y < out.height; y++) {
        const uint32_t* row = printer.page.row(y);
        out.pixels.insert(out.pixels.end(), row, row + out.width);
    }
    return out;
}

}  // namespace

bool Printer::StartJob(std::string name) {
    if (inJob) return false;
    inJob = true;
    jobName = std::move(name);
    jobNumber = NextJobNumber();
    return true;
}

bool Printer::StartPage() {
    if (!inJob || pageOpen) return false;
    std::fill(page.storage.begin(), page.storage.end(), kPaper);
    pageOpen = true;
    return true;
}

bool Printer::EndPage() {
    if (!pageOpen) return false;
    pageOpen = false;
    backend::PrintPage(PageToHandOver(*this));
    return true;
}

bool Printer::EndJob() {
    if (!inJob) return false;
    inJob = pageOpen = false;
    return true;
}

std::shared_ptr<Printer> NewPrinter(const std::string& name, const PageSize& size) {
    auto printer = std::make_shared<Printer>();
    if (!printer->page.allocate(size.width, size.height, 32)) return nullptr;
    std::fill(printer->page.storage.begin(), printer->page.storage.end(), kPaper);
    printer->name = name;
    printer->dpi = size.dpi;
    return printer;
}

Printer* FindPrinter(HDC dc) {
    gdi::DeviceContext* d = gdi::FindDc(dc);
    return d ? d->printer.get() : nullptr;
}

int PrinterDeviceCaps(const Printer& printer, int index) {
    switch (index) {
        case HORZRES: return printer.page.width;
        case VERTRES: return printer.page.height;
        case BITSPIXEL: return 24;
        case PLANES: return 1;
        case NUMCOLORS: return -1;
        case SIZEPALETTE: return 0;
        case LOGPIXELSX:
        case LOGPIXELSY: return printer.dpi;
        case RASTERCAPS:
            return RC_BITBLT | RC_BITMAP64 | RC_GDI20_OUTPUT | RC_DI_BITMAP | RC_DIBTODEV | RC_BIGFONT |
                   RC_STRETCHBLT | RC_STRETCHDIB;
        default: return 0;
    }
}

}  // namespace print
