// Shortening a script that shows a difference to the fewest statements that still show it.
#pragma once

#include <functional>
#include <string>

namespace fuzz {

// Removes statements (never the first, `size`) while stillDiffers holds for the rest: chunks first, halving
// down to single lines, until no single statement can go. A candidate that no longer parses (a name used
// after its creation went) fails stillDiffers and is kept out.
std::string Reduce(const std::string& script, const std::function<bool(const std::string&)>& stillDiffers);

}  // namespace fuzz
