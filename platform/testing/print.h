// Printing from tests on the headless backend: what was printed, and the page printers draw on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/api/types.h"

namespace testing {

struct PrintedPage {
    int width = 0;  // device pixels
    int height = 0;
    int dpi = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows from the top

    // The colour at a point of the page; CLR_INVALID beyond it.
    COLORREF Pixel(int x, int y) const;
};

struct PrintJob {
    std::string printer;
    std::string name;
    std::vector<PrintedPage> pages;
};

// Every job that ended with at least one page, oldest first, with its pages in order.
std::vector<PrintJob> PrintJobs();
// Forgets every job; the printer takes jobs again.
void ClearPrintJobs();
// From now on the printer refuses new jobs, as a stopped or full print queue does; false takes them again.
void RefusePrintJobs(bool refusing);

// From now on printer DCs get a page of that many device pixels at that density, whatever CUPS says.
void SetPrinterPage(int width, int height, int dpi);
// Back to the page CUPS reports, or A4 at 300 dpi.
void UseSystemPrinterPage();

}  // namespace testing
