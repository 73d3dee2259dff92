// The monkey run from ctest: a seeded run long enough to reach every page, tool and effect, and the
// event sequences that once broke the program, replayed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/monkey/monkey.h"

using namespace monkey;

namespace {

long FromEnvironment(const char* name, long otherwise) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : otherwise;
}

std::string Joined(const std::vector<int>& numbers) {
    std::string text;
    for (int n : numbers) text += (text.empty() ? "" : " ") + std::to_string(n);
    return text;
}

TEST(Monkey, SeededRun) {
    monkey::Run run;
    run.seed = uint64_t(FromEnvironment("DAB_MONKEY_SEED", 20260601));
    run.events = FromEnvironment("DAB_MONKEY_EVENTS", 8000);
    Outcome o = RunMonkey(run);
    std::printf("seed %llu: %ld events in %d lives, %.1f s (%.0f events a second); peak memory %ld kB, "
                "largest heap growth in a life %ld bytes; at the end %ld graphics objects, %ld windows, "
                "%ld memory blocks\ntool groups reached: %s\ntool states reached: %s\neffects run: %zu\n",
                static_cast<unsigned long long>(run.seed), o.eventsRun, o.lives, o.seconds, o.eventsRun / o.seconds,
                o.peakKilobytes, o.heapGrowthBytes, o.gdiObjects, o.windows, o.memoryBlocks,
                Joined(o.toolGroupsReached).c_str(), Joined(o.toolStatesReached).c_str(), o.effectsRun.size());
    ASSERT_TRUE(o.failure.empty()) << o.failure;
    if (run.events >= 4000) {
        // Every page the frame leads to: brushes 1 to 4, stamps 5 to 12, files 13, effects 15, region tools
        // 17 and 18. (No button or arrow shows the second effects page, 16.)
        for (int group : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 17, 18})
            EXPECT_NE(std::find(o.toolGroupsReached.begin(), o.toolGroupsReached.end(), group), o.toolGroupsReached.end())
                << "page " << group << " was never shown";
        EXPECT_EQ(o.effectsRun.size(), 12u) << "every effect of the effects page runs";
        EXPECT_GE(o.lives, 2) << "the program quit through its question and started again";
    }
}

}  // namespace
