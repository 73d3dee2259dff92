// A state-variable filter in the topology-preserving form: stable at any cutoff below half the rate,
// and smooth while its cutoff moves, which the sweeping recipes need.
#pragma once

#include "tools/synth/recipe.h"

namespace synth {

class StateVariableFilter {
public:
    StateVariableFilter(FilterKind kind, double q) : kind_(kind), damping_(1 / q) {}

    // One sample through the filter with its cutoff at cutoffHz.
    double Process(double in, double cutoffHz, double rate);

private:
    FilterKind kind_;
    double damping_;
    double s1_ = 0;
    double s2_ = 0;
};

}  // namespace synth
