#include <algorithm>
#include <cstring>
#include <string>

#include "platform/api/kernel.h"
#include "platform/kernel/default_printer.h"
#include "platform/kernel/paths.h"

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

// Windows drops the default's trailing blanks.
std::string DefaultValue(LPCSTR defaultString) {
    std::string value = defaultString ? defaultString : "";
    value.erase(value.find_last_not_of(' ') + 1);
    return value;
}

}  // namespace

DWORD WINAPI GetProfileStringA(LPCSTR appName, LPCSTR keyName, LPCSTR defaultString, LPSTR returnedString,
                               DWORD size) {
    if (!returnedString || size == 0) return 0;
    std::string value = ProfileValue(appName, keyName).value_or(DefaultValue(defaultString));
    size_t length = std::min(value.size(), size_t(size) - 1);
    std::memcpy(returnedString, value.data(), length);
    returnedString[length] = '\0';
    return DWORD(length);
}
