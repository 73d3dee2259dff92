// The print seam in the browser: no printer is ever reachable from the page yet, so no job starts and the
// page size is the platform's default one.
#include "platform/backend/print.h"
#include "platform/print/cups_page.h"

namespace print {

std::optional<PageSize> CupsPageSize(const std::string&) { return std::nullopt; }

}  // namespace print

namespace backend {

int StartPrintJob(const std::string&, const std::string&) { return 0; }
void PrintPage(int, PrintedPage) {}
void EndPrintJob(int) {}
void CancelPrintJob(int) {}

}  // namespace backend
