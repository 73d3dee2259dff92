// What CUPS reports of a printer's page: the printable area of its default media at its default resolution.
#pragma once

#include <optional>
#include <string>

#include "platform/print/page_size.h"

namespace print {

// Nothing when CUPS can't be reached, knows no such printer or reports no default media.
std::optional<PageSize> CupsPageSize(const std::string& printer);

}  // namespace print
