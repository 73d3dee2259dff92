// The noise source: a small generator of its own, so the same seed gives the same sound with any library.
#pragma once

#include <cstdint>

namespace synth {

// SplitMix64: every seed, zero included, gives a full-quality sequence.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}

    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Unit() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [-1, 1).
    double Signed() { return Unit() * 2 - 1; }

private:
    uint64_t state_;
};

}  // namespace synth
