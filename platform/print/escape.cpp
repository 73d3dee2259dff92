// Escape: the printer escapes of the older interface, each the job calls' counterpart. STARTDOC starts the
// first page with the job, and NEWFRAME the next one after handing over the last, so pages never need
// starting; the page NEWFRAME started is still empty when ENDDOC comes and is not printed.
#include <cstring>

#include "platform/api/print.h"
#include "platform/gdi/dc.h"
#include "platform/print/printer.h"

namespace {

bool Supported(int escape) {
    return escape == NEWFRAME || escape == ABORTDOC || escape == QUERYESCSUPPORT || escape == STARTDOC ||
           escape == ENDDOC;
}

// The escape asked about: a WORD in the 16-bit form of the call, an int in the 32-bit one.
int QueriedEscape(int count, LPCSTR input) {
    if (count >= int(sizeof(int))) {
        int escape = 0;
        std::memcpy(&escape, input, sizeof escape);
        return escape;
    }
    WORD escape = 0;
    std::memcpy(&escape, input, sizeof escape);
    return escape;
}

int StartDocument(print::Printer& printer, int count, LPCSTR name) {
    if (!name || !printer.StartJob(std::string(name, strnlen(name, size_t(count > 0 ? count : 0)))))
        return SP_ERROR;
    if (!printer.StartPage()) {
        printer.AbortJob();
        return SP_ERROR;
    }
    return printer.jobNumber;
}

}  // namespace

int WINAPI Escape(HDC dc, int escape, int count, LPCSTR input, LPVOID) {
    if (!gdi::FindDc(dc)) return SP_ERROR;
    print::Printer* printer = print::FindPrinter(dc);
    // Other devices implement none.
    if (!printer) return 0;
    switch (escape) {
        case QUERYESCSUPPORT:
            return input && count >= int(sizeof(WORD)) && Supported(QueriedEscape(count, input)) ? 1 : 0;
        case STARTDOC: return StartDocument(*printer, count, input);
        case NEWFRAME: return printer->EndPage() && printer->StartPage() ? 1 : SP_ERROR;
        case ENDDOC: return printer->EndJob() ? 1 : SP_ERROR;
        case ABORTDOC: return printer->AbortJob() ? 1 : SP_ERROR;
        default: return 0;
    }
}
