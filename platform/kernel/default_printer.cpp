#include "platform/kernel/default_printer.h"

#include <cups/cups.h>

#include "platform/testing/kernel.h"

namespace kernel {
namespace {

struct PrinterOverride {
    bool set = false;
    std::string name;
};

PrinterOverride& Override() {
    static PrinterOverride printer;
    return printer;
}

// cupsGetNamedDest with no name gives the user's default: the lpoptions choice, else the server's.
std::optional<std::string> CupsDefaultPrinter() {
    cups_dest_t* destination = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!destination) return std::nullopt;
    std::string name = destination->name;
    if (destination->instance) name += std::string("/") + destination->instance;
    cupsFreeDests(1, destination);
    return name;
}

}  // namespace

std::optional<std::string> DefaultPrinterName() {
    const PrinterOverride& printer = Override();
    if (!printer.set) return CupsDefaultPrinter();
    if (printer.name.empty()) return std::nullopt;
    return printer.name;
}

}  // namespace kernel

namespace testing {

void SetDefaultPrinter(const char* name) {
    kernel::Override() = {true, name ? name : ""};
}

void UseSystemDefaultPrinter() { kernel::Override() = {}; }

}  // namespace testing
