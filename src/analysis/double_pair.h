// Two neighbouring doubles as one value whose arithmetic works lane by lane: exactly
// the operations on each double, two at a time.
#pragma once

#include <cstring>

namespace karvelo {

using DoublePair = double __attribute__((vector_size(16)));

inline DoublePair LoadPair(const double* p) {
    DoublePair pair;
    std::memcpy(&pair, p, sizeof pair);
    return pair;
}

}  // namespace karvelo
