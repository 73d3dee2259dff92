// Windows' matching of file names against patterns with * and ?, ignoring ASCII case.
#pragma once

#include <string_view>

namespace kernel {

// As the directory search matches: * is any run of characters; ? is one character, or none at a dot or
// at the end of the name; a * just before a dot does not pass the name's last dot; a dot before a
// wildcard or at the pattern's end also matches the end of the name, so "*.*" matches every name and
// "*." only names without a dot.
bool MatchesWildcard(std::string_view pattern, std::string_view name);

}  // namespace kernel
