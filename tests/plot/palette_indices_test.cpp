// The map's palette indices, found by a product where it cannot matter, are exactly those
// of ColourScale::IndexFor, also for values that land next to a whole index.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "plot/palette_indices.h"

namespace karvelo::testing {
namespace {

TEST(PaletteIndices, AreThoseOfIndexForEvenNextToAWholeIndex) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const ColourScale scales[] = {
        {0.01, 1.0, 1275},        {0.0100000007, 0.50500000715, 1275},
        {-3.0e6, 2.5e6, 255},     {1.0e-300, 3.0e-300, 1275},
        {1.0e300, 1.5e300, 1275}, {2.0, 1.0, 1275},
        {0.5, 0.5, 1275, true},
    };
    std::mt19937_64 random(11);
    for (const ColourScale& scale : scales) {
        const double span = scale.High - scale.Low;
        std::vector<double> values = {scale.Low, scale.High, -kInf, kInf, std::nan(""), 0.0};
        // Each value whose quotient is a whole index, and its neighbours a few steps away.
        for (int k = 0; k <= scale.MaxIndex + 1; ++k) {
            double v = scale.Low + span * k / scale.MaxIndex;
            for (int step = 0; step < 4; ++step) {
                v = std::nextafter(v, -kInf);
            }
            for (int step = 0; step < 9; ++step, v = std::nextafter(v, kInf)) {
                values.push_back(v);
            }
        }
        std::uniform_real_distribution<double> anywhere(scale.Low - 0.1 * span,
                                                        scale.High + 0.1 * span);
        for (int i = 0; i < 200000; ++i) {
            values.push_back(anywhere(random));
        }
        std::vector<std::uint16_t> indices(values.size());
        PaletteIndices(scale, values.data(), values.size(), indices.data());
        int differing = 0;
        for (std::size_t j = 0; j < values.size(); ++j) {
            differing += indices[j] == scale.IndexFor(values[j]) ? 0 : 1;
        }
        EXPECT_EQ(differing, 0) << scale.Low << " .. " << scale.High;
    }
}

}  // namespace
}  // namespace karvelo::testing
