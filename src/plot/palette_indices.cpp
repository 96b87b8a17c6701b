#include "plot/palette_indices.h"

#include <algorithm>
#include <array>
#include <cfloat>

namespace karvelo {

namespace {

// IndexFor's quotient (v - Low) * MaxIndex / span divides once per pixel, and division is
// the slowest step of the map. The product q by the rounded reciprocal of span and the
// rounded quotient both lie within a factor (1 +- 2^-53)^2 of the exact quotient, so
// within 4.01 * 2^-53 * q of each other: where no whole number lies within kMargin * q
// of q (and q is a number), both truncate, after the same clamp, to the same index. The
// rest (about one value in 10^13, and the values at the top of the scale, which land
// on MaxIndex itself) are divided.
constexpr double kMargin = 0x1p-48;
// Values taken at a time: their indices by the product, then the unsure ones divided.
constexpr std::size_t kBlock = 64;

}  // namespace

__attribute__((target_clones("avx2", "default"))) void PaletteIndices(const ColourScale& scale,
                                                                      const double* values,
                                                                      std::size_t count,
                                                                      std::uint16_t* indices) {
    if (scale.High == scale.Low) {
        std::fill(indices, indices + count, static_cast<std::uint16_t>(scale.IndexFor(0.0)));
        return;
    }
    const double low = scale.Low;
    const double span = scale.High - scale.Low;
    const double top = scale.MaxIndex;
    const double reciprocal = 1.0 / span;
    if (!(span > 0.0 && reciprocal >= DBL_MIN && reciprocal <= DBL_MAX)) {
        for (std::size_t j = 0; j < count; ++j) {
            indices[j] = static_cast<std::uint16_t>(scale.IndexFor(values[j]));
        }
        return;
    }
    const auto topIndex = static_cast<std::uint16_t>(scale.IndexFor(scale.High));
    std::array<std::uint8_t, kBlock> unsure;
    for (std::size_t first = 0; first < count; first += kBlock) {
        const std::size_t n = std::min(kBlock, count - first);
        const double* v = values + first;
        std::uint16_t* out = indices + first;
        for (std::size_t j = 0; j < n; ++j) {
            const double q = (v[j] - low) * top * reciprocal;
            const double clamped = q > 0.0 ? (q >= top ? top : q) : 0.0;
            const int index = static_cast<int>(clamped);
            const double whole = index;
            const double distance = std::min(clamped - whole, whole + 1.0 - clamped);
            const bool sure = q <= 0.0 || q >= top + 1.0 || distance > kMargin * q;
            out[j] = static_cast<std::uint16_t>(index);
            unsure[j] = sure ? 0 : 1;
        }
        for (std::size_t j = 0; j < n; ++j) {
            if (unsure[j] != 0) {
                out[j] = v[j] == scale.High ? topIndex
                                            : static_cast<std::uint16_t>(scale.IndexFor(v[j]));
            }
        }
    }
}

}  // namespace karvelo
