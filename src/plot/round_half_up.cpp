#include "plot/round_half_up.h"

#include <cmath>

#include "common/error_messages.h"

namespace karvelo {

double RoundHalfUp(double x) {
    if (x < 0.0 || std::isnan(x)) {
        ReportError(kErrRounding, false);
        return std::ceil(x);
    }
    const double below = std::floor(x);
    const double above = std::ceil(x);
    return std::fabs(x - above) <= std::fabs(x - below) ? above : below;
}

}  // namespace karvelo
