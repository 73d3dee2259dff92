// Finding a printer in CUPS by the name the default printer goes by.
#pragma once

#include <cups/cups.h>

#include <memory>
#include <string>

namespace print {

struct FreeDestination {
    void operator()(cups_dest_t* destination) const { cupsFreeDests(1, destination); }
};
using CupsDestination = std::unique_ptr<cups_dest_t, FreeDestination>;

// The destination for "name" or "name/instance"; null when CUPS knows no such printer or can't be reached.
CupsDestination FindCupsDestination(const std::string& printer);

}  // namespace print
