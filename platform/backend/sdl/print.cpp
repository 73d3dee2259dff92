// CUPS: each page goes to its printer as a job of its own, a PNG file at the printer's density fitted to the
// paper, with the printer's saved options. Whatever fails, the program goes on as though it had printed.
#include <unistd.h>

#include <cstdlib>

#include "platform/backend/print.h"
#include "platform/print/cups_destination.h"
#include "platform/print/png.h"

namespace {

// A new empty file for the page, so no other program can take its name; "" when none can be made.
std::string MakeTemporaryPng() {
    const char* folder = std::getenv("TMPDIR");
    std::string path = std::string(folder && *folder ? folder : "/tmp") + "/dab-page-XXXXXX.png";
    int file = mkstemps(path.data(), 4);
    if (file < 0) return "";
    close(file);
    return path;
}

void SendToCups(const cups_dest_t& destination, const std::string& path, const std::string& title) {
    cups_option_t* options = nullptr;
    int count = 0;
    for (int i = 0; i < destination.num_options; i++)
        count = cupsAddOption(destination.options[i].name, destination.options[i].value, count, &options);
    count = cupsAddOption("fit-to-page", "true", count, &options);
    cupsPrintFile(destination.name, path.c_str(), title.c_str(), count, options);
    cupsFreeOptions(count, options);
}

}  // namespace

namespace backend {

void PrintPage(PrintedPage page) {
    print::CupsDestination destination = print::FindCupsDestination(page.printer);
    if (!destination) return;
    std::string path = MakeTemporaryPng();
    if (path.empty()) return;
    if (print::WritePng(path, page.width, page.height, page.pixels.data(), page.width, page.dpi))
        SendToCups(*destination, path, page.job);
    // The server has its own copy once cupsPrintFile returns.
    unlink(path.c_str());
}

}  // namespace backend
