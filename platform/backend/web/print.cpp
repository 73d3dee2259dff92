// The print seam in the browser: the page's print dialog is the printer (print.js). A job's pages go to the
// page as images as they end; when the job ends they are shown for printing alone and the dialog opens.
#include <cstdint>

#include "platform/backend/print.h"
#include "platform/print/cups_page.h"

extern "C" {
// The printable part of the paper of the browser's language, in pixels at dpi.
void dab_print_area(int dpi, int* width, int* height);
// pixels: width × height of 0x00RRGGBB, rows from the top.
void dab_print_page(int job, const uint32_t* pixels, int width, int height, int dpi);
void dab_print_end(int job);
void dab_print_cancel(int job);
}

namespace print {
namespace {

// 240 dpi gives the printable width about as many pixels (1864 on A4, 1920 on Letter) as a full HD screen's
// picture has (1868): such a picture prints about pixel for pixel, a smaller one enlarged with hard edges, a
// larger one shrunk with its dark pixels kept (BLACKONWHITE). More would only make the staircases finer, at
// 4 bytes a page pixel twice over (in the program, then in the page): about 20 MB at 240 dpi, 31 at 300.
constexpr int kBrowserDpi = 240;

}  // namespace

std::optional<PageSize> CupsPageSize(const std::string&) {
    PageSize page{0, 0, kBrowserDpi};
    dab_print_area(kBrowserDpi, &page.width, &page.height);
    return page;
}

}  // namespace print

namespace backend {

int StartPrintJob(const std::string&, const std::string&) {
    static int lastJob = 0;
    return ++lastJob;
}

void PrintPage(int job, PrintedPage page) {
    dab_print_page(job, page.pixels.data(), page.width, page.height, page.dpi);
}

void EndPrintJob(int job) { dab_print_end(job); }

void CancelPrintJob(int job) { dab_print_cancel(job); }

}  // namespace backend
