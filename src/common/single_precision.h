// Real numbers held in single-precision members.
#pragma once

#include <cmath>
#include <limits>
#include <optional>

namespace karvelo {

// value as a float member holds it; nullopt when it is not finite or lies beyond the
// float range (it would be held as infinity, which no field shows or reads back).
inline std::optional<float> ToSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

}  // namespace karvelo
