// No printer: every job that ends is kept for tests with its pages, unless a test has the printer refuse jobs.
#include <algorithm>
#include <iterator>
#include <map>
#include <mutex>

#include "platform/api/gdi.h"
#include "platform/backend/print.h"
#include "platform/testing/print.h"

namespace {

struct OpenJob {
    std::string printer;
    std::string title;
    std::vector<backend::PrintedPage> pages;
};

struct Records {
    std::mutex mutex;
    bool refusing = false;
    int lastJob = 0;
    std::map<int, OpenJob> open;
    std::vector<OpenJob> ended;  // oldest first
};

Records& ThePrinted() {
    static Records records;
    return records;
}

testing::PrintedPage PageForTests(const backend::PrintedPage& page) {
    return {page.width, page.height, page.dpi, std::vector<uint32_t>(page.pixels.begin(), page.pixels.end())};
}

}  // namespace

namespace backend {

int StartPrintJob(const std::string& printer, const std::string& title) {
    Records& records = ThePrinted();
    std::lock_guard<std::mutex> lock(records.mutex);
    if (records.refusing) return 0;
    records.open[++records.lastJob] = {printer, title, {}};
    return records.lastJob;
}

void PrintPage(int job, PrintedPage page) {
    Records& records = ThePrinted();
    std::lock_guard<std::mutex> lock(records.mutex);
    auto found = records.open.find(job);
    if (found != records.open.end()) found->second.pages.push_back(std::move(page));
}

void EndPrintJob(int job) {
    Records& records = ThePrinted();
    std::lock_guard<std::mutex> lock(records.mutex);
    auto found = records.open.find(job);
    if (found == records.open.end()) return;
    if (!found->second.pages.empty()) records.ended.push_back(std::move(found->second));
    records.open.erase(found);
}

void CancelPrintJob(int job) {
    Records& records = ThePrinted();
    std::lock_guard<std::mutex> lock(records.mutex);
    records.open.erase(job);
}

}  // namespace backend

namespace testing {

COLORREF PrintedPage::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    uint32_t p = pixels[size_t(y) * size_t(width) + size_t(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

std::vector<PrintJob> PrintJobs() {
    Records& records = ThePrinted();
    std::lock_guard<std::mutex> lock(records.mutex);
    std::vector<PrintJob> jobs;
    for (const OpenJob& ended : records.ended) {
        PrintJob job{ended.printer, ended.title, {}};
        std::transform(ended.pages.begin(), ended.pages.end(), std::back_inserter(job.pages), PageForTests);
        jobs.push_back(std::move(job));
    }
    return jobs;
}

void ClearPrintJobs() {
    Records& records = ThePrinted();
    std::lock_guard<std::mutex> lock(records.mutex);
    records.open.clear();
    records.ended.clear();
    records.refusing = false;
}

void RefusePrintJobs(bool refusing) {
    Records& records = ThePrinted();
    std::lock_guard<std::mutex> lock(records.mutex);
    records.refusing = refusing;
}

}  // namespace testing
