// A printer's DC holds a Printer: the page it draws on and the job that page belongs to, with Windows'
// order of jobs and pages. A page is printed only when it is ended and its job ends; a job aborted or
// whose DC is deleted before it ends prints nothing.
#pragma once

#include <memory>
#include <string>

#include "platform/api/types.h"
#include "platform/gdi/surface.h"
#include "platform/print/page_size.h"

namespace print {

struct Printer {
    std::string name;
    PageSize size;
    // The page being drawn: white while a page is open, empty between pages, so nothing drawn there
    // lands anywhere.
    gdi::Surface page;
    bool inJob = false;
    bool pageOpen = false;
    int jobNumber = 0;

    Printer() = default;
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;
    ~Printer();

    // Each returns false, changing nothing, when it comes out of order; StartJob also when the printer
    // refuses the job, and StartPage when the page can't be had.
    bool StartJob(const std::string& title);
    bool StartPage();
    bool EndPage();  // hands the page over
    bool EndJob();
    bool AbortJob();

private:
    // Out of the job, the page let go; false when there was no job.
    bool LeaveJob();
};

std::shared_ptr<Printer> NewPrinter(const std::string& name, const PageSize& size);

// The printer of a printer's DC; null for any other handle.
Printer* FindPrinter(HDC dc);

// GetDeviceCaps of a printer's DC.
int PrinterDeviceCaps(const Printer& printer, int index);

}  // namespace print
