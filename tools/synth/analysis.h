// Measuring a sound, since no one here can listen: its level, length, brightness and edges in numbers.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace synth {

struct Measures {
    double seconds = 0;
    double peakDbfs = -200;
    // Over the part that sounds: the 10 ms stretches within 30 dB of the loudest.
    double rmsDbfs = -200;
    double soundingSeconds = 0;
    // The RMS weighted by the ear's sensitivity (A-weighting): how loud the sound seems.
    double loudnessDba = -200;
    // Zero crossings, a rough pitch or brightness, and the octaves they rise (or fall) from the first half of
    // the sounding part to the second.
    double crossingsPerSecond = 0;
    double drift = 0;
    double centroidHz = 0;  // the spectrum's centre of mass
    // Shares of the energy below 500 Hz, 500 to 2000, 2000 to 5000, and above 5000 Hz.
    std::array<double, 4> bands{};
    int onsets = 0;  // times the level jumps by 9 dB or more within 30 ms: taps, pops, notes
    int first = 0;
    int last = 0;
    double edgeDb = -200;  // the loudest sample of the first and last millisecond, in dB under the peak
    bool clipped = false;  // a sample at full scale
};

Measures Measure(std::span<const int16_t> samples, int rate);

// How unlike two sounds are, from their bands, brightness, length, onsets and pitch drift: 0 for the same.
double Difference(const Measures& a, const Measures& b);

}  // namespace synth
