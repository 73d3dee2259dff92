#include "platform/print/page_size.h"

#include <mutex>
#include <optional>

#include "platform/print/cups_page.h"
#include "platform/testing/print.h"

namespace print {
namespace {

struct PageOverride {
    std::mutex mutex;
    std::optional<PageSize> page;
};

PageOverride& Override() {
    static PageOverride page;
    return page;
}

std::optional<PageSize> PageSetByTest() {
    std::lock_guard<std::mutex> lock(Override().mutex);
    return Override().page;
}

}  // namespace

PageSize PrinterPageSize(const std::string& printer) {
    if (std::optional<PageSize> page = PageSetByTest()) return *page;
    return CupsPageSize(printer).value_or(kDefaultPage);
}

}  // namespace print

namespace testing {

void SetPrinterPage(int width, int height, int dpi) {
    std::lock_guard<std::mutex> lock(print::Override().mutex);
    print::Override().page = print::PageSize{width, height, dpi};
}

void UseSystemPrinterPage() {
    std::lock_guard<std::mutex> lock(print::Override().mutex);
    print::Override().page.reset();
}

}  // namespace testing
