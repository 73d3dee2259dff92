// The seam to the outside world for printing. The print layer keeps Windows' rules of jobs and pages above
// it; a backend opens a job with the printer, passes each ended page on and then ends or cancels the job.
// Only opening the job waits for the printer's answer: pages go out without holding up the program.
#pragma once

#include <string>

#include "platform/gdi/surface.h"

namespace backend {

struct PrintedPage {
    int width = 0;  // device pixels
    int height = 0;
    int dpi = 0;
    gdi::PixelStorage pixels;  // 0x00RRGGBB, rows from the top, width pixels a row
};

// A job named title on the printer ("name" or "name/instance"): its number, above 0, or 0 when the printer
// can't be reached or refuses the job.
int StartPrintJob(const std::string& printer, const std::string& title);
// The job's next page.
void PrintPage(int job, PrintedPage page);
// The job is complete: its pages print.
void EndPrintJob(int job);
// Nothing of the job prints.
void CancelPrintJob(int job);

}  // namespace backend
