#include <string>

#include "platform/api/kernel.h"
#include "platform/kernel/default_printer.h"
#include "platform/kernel/paths.h"
#include "platform/kernel/profile_values.h"

namespace {

// The profile's one entry: the default printer as "device,driver,port".
std::optional<std::string> ProfileValue(LPCSTR appName, LPCSTR keyName) {
    if (!appName || !keyName || !kernel::EqualIgnoringCase(appName, "Windows") ||
        !kernel::EqualIgnoringCase(keyName, "device")) {
        return std::nullopt;
    }
    std::optional<std::string> printer = kernel::DefaultPrinterName();
    if (!printer) return std::nullopt;
    return *printer + ",winspool,CUPS:";
}

}  // namespace

DWORD WINAPI GetProfileStringA(LPCSTR appName, LPCSTR keyName, LPCSTR defaultString, LPSTR returnedString,
                               DWORD size) {
    std::string value = ProfileValue(appName, keyName).value_or(kernel::ProfileDefault(defaultString));
    return kernel::CopyProfileValue(value, returnedString, size);
}
