// The sources a layer is made from, one sample at a time at a pitch that may change every sample.
#pragma once

#include <vector>

#include "tools/synth/random.h"
#include "tools/synth/recipe.h"

namespace synth {

class Oscillator {
public:
    // pitch is the pluck's (fixed) frequency; the others take theirs at every sample.
    Oscillator(const Layer& layer, double pitch, Random& random, double rate);

    // The next sample, between -1 and 1, at frequency hz; progress runs from 0 to 1 over the sounding.
    double Next(double hz, double progress);

private:
    double Pluck();

    const Layer& layer_;
    Random& random_;
    double rate_;
    double phase_ = 0;  // in cycles, 0..1
    double modulatorPhase_ = 0;
    // The plucked string: a delay line whole samples long, and an all-pass filter for the fraction of a
    // sample more that tunes it exactly.
    std::vector<double> string_;
    size_t stringAt_ = 0;
    double lastOut_ = 0;
    double tuning_ = 0;  // the all-pass coefficient
    double tuningIn_ = 0;
    double tuningOut_ = 0;
};

}  // namespace synth
