#include "platform/print/cups_destination.h"

namespace print {

CupsDestination FindCupsDestination(const std::string& printer) {
    size_t slash = printer.find('/');
    std::string name = printer.substr(0, slash);
    std::string instance = slash == std::string::npos ? "" : printer.substr(slash + 1);
    return CupsDestination(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), instance.empty() ? nullptr : instance.c_str()));
}

}  // namespace print
