// The system's default printer, as CUPS names it, unless a test has named one.
#pragma once

#include <optional>
#include <string>

namespace kernel {

// The printer's name, with "/instance" for a printer instance; nothing when there is no default printer.
std::optional<std::string> DefaultPrinterName();

}  // namespace kernel
