#include "tools/synth/filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {

double StateVariableFilter::Process(double in, double cutoffHz, double rate) {
    if (kind_ == FilterKind::None) return in;
    double g = std::tan(std::numbers::pi * std::min(cutoffHz, 0.45 * rate) / rate);
    double high = (in - (damping_ + g) * s1_ - s2_) / (1 + damping_ * g + g * g);
    double band = g * high + s1_;
    s1_ = g * high + band;
    double low = g * band + s2_;
    s2_ = g * band + low;
    switch (kind_) {
    case FilterKind::Lowpass: return low;
    case FilterKind::Highpass: return high;
    // Scaled so the peak of the band passes at unit gain whatever q is.
    case FilterKind::Bandpass: return band * damping_;
    case FilterKind::None: break;
    }
    return in;
}

}  // namespace synth
