#include "files/print_limit.h"

#include <deque>

#include "base/settings.h"
#include "platform/win32.h"

namespace {

constexpr DWORD kHour = 60 * 60 * 1000;

// When each page of the last hour was printed, oldest first.
std::deque<DWORD>& PagesPrinted() {
    static std::deque<DWORD> pages;
    return pages;
}

}  // namespace

bool PrintAllowedNow() {
    int limit = CurrentSettings().printPagesPerHour;
    if (limit < 0) return true;
    std::deque<DWORD>& pages = PagesPrinted();
    DWORD now = GetTickCount();
    while (!pages.empty() && now - pages.front() >= kHour) pages.pop_front();
    return int(pages.size()) < limit;
}

void NotePagePrinted() {
    if (CurrentSettings().printPagesPerHour >= 0) PagesPrinted().push_back(GetTickCount());
}
