// The one pseudo-random generator: seeded from DAB_SEED or the clock at the frame's creation, 31 bits a draw.
#include <gtest/gtest.h>

#include <set>

#include "base/random.h"
#include "dab.h"

using dab_test::RunDab;

namespace {

TEST(Random, SeededOnceFromDabSeedOrElseTheClockAtStart) {
    struct {
        const char* variable;  // nullptr: unset.
        uint32_t seed;
    } cases[] = {
        {nullptr, uint32_t(dab_test::kStartTime)},
        {"4242", 4242},
        {"0", 0},
        {"4294967295", 4294967295u},
        {"42x", uint32_t(dab_test::kStartTime)},
        {"", uint32_t(dab_test::kStartTime)},
    };
    for (const auto& c : cases) {
        if (c.variable) setenv("DAB_SEED", c.variable, 1);
        RunDab({640, 480}, [&] {
            int first[5];
            for (int& n : first) n = RandomNumber();
            SeedRandom(c.seed);
            for (int n : first) EXPECT_EQ(RandomNumber(), n) << (c.variable ? c.variable : "unset");
        });
        unsetenv("DAB_SEED");
    }
}

TEST(Random, DrawsAreThirtyOneBitsAndEveryRemainderComes) {
    SeedRandom(12345);
    int largest = 0;
    std::set<int> low, rainbow;
    for (int i = 0; i < 20000; i++) {
        int n = RandomNumber();
        ASSERT_GE(n, 0);
        largest = std::max(largest, n);
        low.insert(n & 7);
        rainbow.insert(RandomBelow(160));
    }
    // Far beyond the 15 bits of the C library's rand, and the low bits vary too.
    EXPECT_GE(largest, 1 << 30);
    EXPECT_EQ(low.size(), 8u);
    EXPECT_EQ(rainbow.size(), 160u);
    EXPECT_EQ(*rainbow.rbegin(), 159);
}

TEST(Random, DifferentSecondsGiveDifferentSequences) {
    SeedRandom(1000);
    int a = RandomNumber();
    SeedRandom(1001);
    EXPECT_NE(RandomNumber(), a);
}

}  // namespace
