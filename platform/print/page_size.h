// The page a printer draws on: its printable area in device pixels, and their density.
#pragma once

#include <string>

namespace print {

struct PageSize {
    int width = 0;
    int height = 0;
    int dpi = 0;
};

// A4 portrait at 300 dpi: what a printer gets when nothing better is known.
constexpr PageSize kDefaultPage{2480, 3508, 300};

// The page a test has set; else the one CUPS reports for the printer's default media and resolution;
// else kDefaultPage.
PageSize PrinterPageSize(const std::string& printer);

}  // namespace print
