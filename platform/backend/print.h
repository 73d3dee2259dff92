// The seam to the outside world for printing: a finished page, handed over as it is ended.
// The print layer keeps Windows' rules of jobs and pages above it; a backend only passes pages on,
// and one that cannot print lets them go without a word.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace backend {

struct PrintedPage {
    std::string printer;  // as the default printer is named: "name" or "name/instance"
    std::string job;      // the document's name
    int jobNumber = 0;    // the same for every page of one job, different for each job
    int width = 0;        // device pixels
    int height = 0;
    int dpi = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows from the top
};

void PrintPage(PrintedPage page);

}  // namespace backend
