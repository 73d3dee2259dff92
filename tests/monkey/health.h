// What the monkey measures of the program's process at an idle moment: what it holds, and its memory.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace monkey {

struct Health {
    size_t gdiObjects = 0, windows = 0, memoryBlocks = 0, openFiles = 0;
    long heapBytes = 0;      // live heap: the sanitizer allocator's count, or malloc's
    long peakKilobytes = 0;  // VmHWM
};

Health MeasureHealth();
// The counts that must not change between idle moments of one kind, as text.
std::string Counts(const Health& health);

// The live heap is sampled every so many events.
constexpr long kHeapSampleEvery = 25;

// The live heap over a life after the warm-up: its growth from the second quarter of the samples to the
// last, so that one large moment does not count as a trend.
class HeapTrend {
public:
    void Add(long bytes) { samples_.push_back(bytes); }
    long Growth() const;
    // Growth beyond this is a leak. After the warm-up the engine's buffers and the icons are all there;
    // a million events showed lives growing by at most 150 kB, and that for a moment.
    long Allowed() const { return 512l << 10; }

private:
    std::vector<long> samples_;
};

// Ends a life's process: in a sanitizer build, the leak check that exit() would have made.
void FinishProcess();

}  // namespace monkey
