// CUPS: a job is created on the printer at once, so that a refusal is known when the document starts; its
// pages then go out from a thread of their own, each a PNG at the printer's density fitted to the paper, with
// the printer's saved options, and the program goes on while they are deflated and sent.
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/backend/print.h"
#include "platform/print/cups_destination.h"
#include "platform/print/png.h"

namespace {

using Destination = std::shared_ptr<cups_dest_t>;

// Tasks done one after another, in order, off the program's thread. At the program's end the pages still
// waiting are sent before it exits.
class PrintQueue {
public:
    ~PrintQueue() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        ready_.notify_one();
        if (worker_.joinable()) worker_.join();
    }

    void Post(std::function<void()> task) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!worker_.joinable()) worker_ = std::thread([this] { Run(); });
        tasks_.push_back(std::move(task));
        ready_.notify_one();
    }

    // The open jobs' printers, for the tasks that follow.
    std::map<int, Destination> jobs;

private:
    void Run() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            ready_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
            if (tasks_.empty()) return;
            std::function<void()> task = std::move(tasks_.front());
            tasks_.pop_front();
            lock.unlock();
            task();
            lock.lock();
        }
    }

    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<std::function<void()>> tasks_;
    bool stopping_ = false;
    std::thread worker_;
};

PrintQueue& Queue() {
    static PrintQueue queue;
    return queue;
}

// The printer's saved options, and the page fitted to its paper.
int JobOptions(const cups_dest_t& destination, cups_option_t** options) {
    int count = 0;
    for (int i = 0; i < destination.num_options; i++)
        count = cupsAddOption(destination.options[i].name, destination.options[i].value, count, options);
    return cupsAddOption("fit-to-page", "true", count, options);
}

void SendPage(const Destination& destination, int job, const backend::PrintedPage& page) {
    std::vector<uint8_t> png = print::EncodePng(page.width, page.height, page.pixels.data(), page.width, page.dpi);
    cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, destination.get());
    if (png.empty() || !info) {
        cupsFreeDestInfo(info);
        return;
    }
    if (cupsStartDestDocument(CUPS_HTTP_DEFAULT, destination.get(), info, job, "page", "image/png", 0, nullptr,
                              0) == HTTP_STATUS_CONTINUE) {
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, reinterpret_cast<const char*>(png.data()), png.size());
        cupsFinishDestDocument(CUPS_HTTP_DEFAULT, destination.get(), info);
    }
    cupsFreeDestInfo(info);
}

void CloseJob(const Destination& destination, int job) {
    cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, destination.get());
    if (info) cupsCloseDestJob(CUPS_HTTP_DEFAULT, destination.get(), info, job);
    cupsFreeDestInfo(info);
}

// The job's printer, forgotten when remove is set; null for a job not open.
Destination OpenJobPrinter(int job, bool remove) {
    std::map<int, Destination>& jobs = Queue().jobs;
    auto found = jobs.find(job);
    if (found == jobs.end()) return nullptr;
    Destination destination = found->second;
    if (remove) jobs.erase(found);
    return destination;
}

}  // namespace

namespace backend {

int StartPrintJob(const std::string& printer, const std::string& title) {
    print::CupsDestination found = print::FindCupsDestination(printer);
    if (!found) return 0;
    Destination destination(found.release(), print::FreeDestination());
    cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, destination.get());
    if (!info) return 0;
    cups_option_t* options = nullptr;
    int count = JobOptions(*destination, &options);
    int job = 0;
    ipp_status_t status =
        cupsCreateDestJob(CUPS_HTTP_DEFAULT, destination.get(), info, &job, title.c_str(), count, options);
    cupsFreeOptions(count, options);
    cupsFreeDestInfo(info);
    if (status > IPP_STATUS_OK_EVENTS_COMPLETE || job <= 0) return 0;
    Queue().jobs[job] = destination;
    return job;
}

void PrintPage(int job, PrintedPage page) {
    Destination destination = OpenJobPrinter(job, false);
    if (!destination) return;
    auto shared = std::make_shared<PrintedPage>(std::move(page));
    Queue().Post([destination, job, shared] { SendPage(destination, job, *shared); });
}

void EndPrintJob(int job) {
    Destination destination = OpenJobPrinter(job, true);
    if (destination) Queue().Post([destination, job] { CloseJob(destination, job); });
}

void CancelPrintJob(int job) {
    Destination destination = OpenJobPrinter(job, true);
    if (destination) Queue().Post([destination, job] { cupsCancelDestJob(CUPS_HTTP_DEFAULT, destination.get(), job); });
}

}  // namespace backend
