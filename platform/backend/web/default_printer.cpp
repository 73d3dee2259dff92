// The browser build has no printer of its own yet: printing answers as on a desktop without a default
// printer, so the program says so and nothing is lost.
#include "platform/kernel/default_printer.h"

namespace kernel {

std::optional<std::string> DefaultPrinterName() { return std::nullopt; }

}  // namespace kernel
