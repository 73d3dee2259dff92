// The browser has one printer, its own print dialog, where the person printing chooses the real one.
#include "platform/kernel/default_printer.h"

namespace kernel {

std::optional<std::string> DefaultPrinterName() { return "Browser"; }

}  // namespace kernel
