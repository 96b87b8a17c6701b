#include "analysis/peak_refinement.h"

#include <algorithm>
#include <cmath>

namespace karvelo {

RefinedPeak RefinePeakFrequency(std::span<const float> spectrum, std::uint32_t bin, double binStep,
                                double fallbackFrequency) {
    const RefinedPeak fallback{fallbackFrequency, false};
    if (bin == 0 || std::size_t{bin} + 1 >= spectrum.size() || !(binStep > 0.0)) {
        return fallback;
    }
    const double left = spectrum[bin - 1];
    const double centre = spectrum[bin];
    const double right = spectrum[bin + 1];
    if (!(left > 0.0) || !(centre > 0.0) || !(right > 0.0)) {
        return fallback;
    }
    const double l = std::log(left);
    const double c = std::log(centre);
    const double r = std::log(right);
    const double bend = l - 2.0 * c + r;
    if (!(bend < 0.0)) {
        return fallback;
    }
    constexpr double kHalfBin = 0.5;
    const double offset = std::clamp(0.5 * (l - r) / bend, -kHalfBin, kHalfBin);
    return {(bin + offset) * binStep, true};
}

}  // namespace karvelo
