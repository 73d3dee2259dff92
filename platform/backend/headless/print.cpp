// No printer: every page handed over is kept for tests, grouped into the jobs they came from.
#include <algorithm>
#include <mutex>

#include "platform/api/gdi.h"
#include "platform/backend/print.h"
#include "platform/testing/print.h"

namespace {

struct Records {
    std::mutex mutex;
    std::vector<testing::PrintJob> jobs;
    std::vector<int> jobNumbers;  // one for each of jobs
};

Records& ThePrinted() {
    static Records records;
    return records;
}

}  // namespace

namespace backend {

void PrintPage(PrintedPage page) {
    Records& records = ThePrinted();
    std::lock_guard<std::mutex> lock(records.mutex);
    auto number = std::find(records.jobNumbers.begin(), records.jobNumbers.end(), page.jobNumber);
    size_t index = size_t(number - records.jobNumbers.begin());
    if (number == records.jobNumbers.end()) {
        records.jobs.push_back({page.printer, page.job, {}});
        records.jobNumbers.push_back(page.jobNumber);
    }
    records.jobs[index].pages.push_back({page.width, page.height, page.dpi, std::move(page.pixels)});
}

}  // namespace backend

namespace testing {

COLORREF PrintedPage::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    uint32_t p = pixels[size_t(y) * size_t(width) + size_t(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

std::vector<PrintJob> PrintJobs() {
    std::lock_guard<std::mutex> lock(ThePrinted().mutex);
    return ThePrinted().jobs;
}

void ClearPrintJobs() {
    std::lock_guard<std::mutex> lock(ThePrinted().mutex);
    ThePrinted().jobs.clear();
    ThePrinted().jobNumbers.clear();
}

}  // namespace testing
