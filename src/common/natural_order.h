// Natural order of names: runs of digits compare as numbers, so "P-2" comes before "P-10".
#pragma once

#include <string_view>

namespace karvelo {

// True when a sorts before b: character by character, except that runs of decimal digits
// compare by their value (with equal values the run with fewer leading zeros first).
bool NaturalLess(std::string_view a, std::string_view b);

}  // namespace karvelo
