#include "tests/monkey/health.h"

#include <malloc.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/testing.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define DAB_MONKEY_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define DAB_MONKEY_ASAN 1
#endif
#ifdef DAB_MONKEY_ASAN
#include <sanitizer/lsan_interface.h>
// The sanitizer runtime's count of live heap bytes; gcc ships no header for it.
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace monkey {

namespace {

long HeapBytes() {
#ifdef DAB_MONKEY_ASAN
    return long(__sanitizer_get_current_allocated_bytes());
#else
    struct mallinfo2 m = mallinfo2();
    return long(m.uordblks + m.hblkhd);
#endif
}

long PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
    return 0;
}

size_t OpenFiles() {
    size_t n = 0;
    for (auto it = std::filesystem::directory_iterator("/proc/self/fd"); it != std::filesystem::directory_iterator(); ++it) n++;
    return n;
}

long Median(std::vector<long> part) {
    std::nth_element(part.begin(), part.begin() + long(part.size() / 2), part.end());
    return part[part.size() / 2];
}

}  // namespace

Health MeasureHealth() {
    return {testing::LiveGdiObjects(), testing::LiveWindows(), testing::LiveMemoryBlocks(), OpenFiles(),
            HeapBytes(), PeakKilobytes()};
}

std::string Counts(const Health& h) {
    return std::to_string(h.gdiObjects) + " graphics objects, " + std::to_string(h.windows) + " windows, " +
           std::to_string(h.memoryBlocks) + " memory blocks and " + std::to_string(h.openFiles) + " open files";
}

long HeapTrend::Growth() const {
    if (samples_.size() < 16) return 0;
    size_t quarter = samples_.size() / 4;
    long early = Median({samples_.begin() + long(quarter), samples_.begin() + long(2 * quarter)});
    long late = Median({samples_.end() - long(quarter), samples_.end()});
    return std::max(0L, late - early);
}

void FinishProcess() {
#ifdef DAB_MONKEY_ASAN
    __lsan_do_leak_check();
#endif
}

}  // namespace monkey
