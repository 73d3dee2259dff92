// Measuring a sound, since no one here can listen: its level, length, brightness and edges in numbers.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace synth {

struct Measures {
    double seconds = 0;
    double peakDbfs = -200;
    double rmsDbfs = -200;  // over the part that sounds (within 30 dB of the loudest 10 ms)
    double loudnessDba = -200;  // rmsDbfs weighted by the ear's sensitivity (A-weighting): how loud it seems
    double soundingSeconds = 0;
    double crossingsPerSecond = 0;  // zero crossings: a rough pitch or brightness
    double drift = 0;  // octaves the crossings rise (or fall) from the first half of the sounding part to the last
    int first = 0;
    int last = 0;
    double edgeDb = -200;  // the loudest sample of the first and last millisecond, in dB under the peak
    bool clipped = false;      // a sample at full scale
    double centroidHz = 0;  // the spectrum's centre of mass
    int onsets = 0;         // times the level jumps up by 9 dB or more within 30 ms: taps, pops, notes
    // Shares of the energy below 500 Hz, 500 to 2000, 2000 to 5000, and above 5000 Hz.
    std::array<double, 4> bands{};
};

Measures Measure(std::span<const int16_t> samples, int rate);

// How unlike two sounds are, from their bands, brightness, length and loudness: 0 for the same.
double Difference(const Measures& a, const Measures& b);

}  // namespace synth
