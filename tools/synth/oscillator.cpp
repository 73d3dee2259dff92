#include "tools/synth/oscillator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

// The step of a jump in the waveform, smoothed over one sample either side, so saw and square hardly alias.
double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

// The same for a sudden change of slope: a triangle's corners, rounded as a band-limited one's are.
double PolyBlamp(double t, double dt) {
    if (t < dt) {
        t = t / dt - 1;
        return -t * t * t / 3;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt + 1;
        return t * t * t / 3;
    }
    return 0;
}

}  // namespace

Oscillator::Oscillator(const Layer& layer, double pitch, Random& random, double rate)
    : layer_(layer), random_(random), rate_(rate) {
    if (layer.source != Source::Pluck) return;
    // One pass round the loop is the delay line, half a sample of averaging and the all-pass's fraction,
    // kept between 0.1 and 1.1 samples where the all-pass delays all pitches alike.
    double period = rate / pitch;
    double whole = std::max(1.0, std::floor(period - 0.6));
    double fraction = period - 0.5 - whole;
    tuning_ = (1 - fraction) / (1 + fraction);
    // The string starts as a burst of noise, once smoothed so the attack is soft rather than scratchy.
    string_.resize(size_t(whole));
    double previous = 0, sum = 0;
    for (double& s : string_) {
        double n = random_.Signed();
        s = 0.5 * (n + previous);
        previous = n;
        sum += s;
    }
    // The string's averaging keeps any offset for ever: take it out, or the sound thumps at its ends.
    double mean = sum / double(string_.size());
    for (double& s : string_) s -= mean;
}

double Oscillator::Pluck() {
    double out = string_[stringAt_];
    double averaged = layer_.damp * 0.5 * (out + lastOut_);
    lastOut_ = out;
    double tuned = tuning_ * averaged + tuningIn_ - tuning_ * tuningOut_;
    tuningIn_ = averaged;
    tuningOut_ = tuned;
    string_[stringAt_] = tuned;
    stringAt_ = (stringAt_ + 1) % string_.size();
    return out;
}

double Oscillator::Next(double hz, double progress) {
    double dt = hz / rate_;
    double p = phase_;
    phase_ += dt;
    phase_ -= std::floor(phase_);
    switch (layer_.source) {
    case Source::Sine: {
        if (layer_.fm == 0) return std::sin(kTau * p);
        double index = layer_.index + (layer_.indexTo.value_or(layer_.index) - layer_.index) * progress;
        double m = modulatorPhase_;
        modulatorPhase_ += dt * layer_.fm;
        modulatorPhase_ -= std::floor(modulatorPhase_);
        return std::sin(kTau * p + index * std::sin(kTau * m));
    }
    case Source::Triangle: {
        double half = p + 0.5;
        return 1 - 4 * std::abs(p - 0.5) + 4 * dt * (PolyBlamp(p, dt) - PolyBlamp(half - std::floor(half), dt));
    }
    case Source::Saw: return 2 * p - 1 - PolyBlep(p, dt);
    case Source::Square: {
        double half = p + 0.5;
        return (p < 0.5 ? 1 : -1) + PolyBlep(p, dt) - PolyBlep(half - std::floor(half), dt);
    }
    case Source::Noise: return random_.Signed();
    case Source::Pluck: return Pluck();
    }
    return 0;
}

}  // namespace synth
