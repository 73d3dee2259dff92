// The job calls: StartDocA, StartPage, EndPage, EndDoc and AbortDoc on a printer's DC.
#include "platform/api/print.h"
#include "platform/print/printer.h"

using print::FindPrinter;
using print::Printer;

int WINAPI StartDocA(HDC dc, const DOCINFOA* info) {
    Printer* printer = FindPrinter(dc);
    if (!printer || !info || !printer->StartJob(info->lpszDocName ? info->lpszDocName : "")) return SP_ERROR;
    return printer->jobNumber;
}

int WINAPI StartPage(HDC dc) {
    Printer* printer = FindPrinter(dc);
    return printer && printer->StartPage() ? 1 : SP_ERROR;
}

int WINAPI EndPage(HDC dc) {
    Printer* printer = FindPrinter(dc);
    return printer && printer->EndPage() ? 1 : SP_ERROR;
}

int WINAPI EndDoc(HDC dc) {
    Printer* printer = FindPrinter(dc);
    return printer && printer->EndJob() ? 1 : SP_ERROR;
}

int WINAPI AbortDoc(HDC dc) {
    Printer* printer = FindPrinter(dc);
    return printer && printer->AbortJob() ? 1 : SP_ERROR;
}
