// From a recipe to the samples of its file: every layer mixed, then brought to the common peak with its
// edges faded to silence.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/synth/recipe.h"

namespace synth {

constexpr int kRate = 22050;
// Every sound peaks here, well below full scale: heard hundreds of times, none may be louder than another.
constexpr double kPeakDbfs = -9.0;
// Faded in and out over this many seconds, and exactly zero at the first and last sample, against clicks.
constexpr double kEdgeFade = 0.004;

// The layers summed, unscaled, at kRate; its length is the recipe's, or the end of its last layer.
std::vector<double> MixLayers(const Recipe& recipe);

// The mix at kPeakDbfs, faded at both ends, as 16-bit samples. A silent mix is a RecipeError.
std::vector<int16_t> Master(std::vector<double> mix);

std::vector<int16_t> RenderRecipe(const Recipe& recipe);

}  // namespace synth
