// A printer's DC holds a Printer: the page it draws on and the job that page belongs to, with Windows'
// order of jobs and pages. A page is printed only when it is ended; one still open when the job ends,
// is aborted or its DC is deleted goes unprinted.
#pragma once

#include <memory>
#include <string>

#include "platform/api/types.h"
#include "platform/gdi/surface.h"
#include "platform/print/page_size.h"

namespace print {

struct Printer {
    std::string name;
    int dpi = 0;
    gdi::Surface page;
    bool inJob = false;
    bool pageOpen = false;
    std::string jobName;
    int jobNumber = 0;

    // Each returns false, changing nothing, when it comes out of order.
    bool StartJob(std::string name);
    bool StartPage();
    bool EndPage();  // hands the page over
    bool EndJob();  // ends or aborts it alike: what was handed over stays printed
};

// A printer with a white page of that size; null when the page can't be had.
std::shared_ptr<Printer> NewPrinter(const std::string& name, const PageSize& size);

// The printer of a printer's DC; null for any other handle.
Printer* FindPrinter(HDC dc);

// GetDeviceCaps of a printer's DC.
int PrinterDeviceCaps(const Printer& printer, int index);

}  // namespace print
