// Round axis ticks: they cover the range, never repeat, and a one-value range is widened.
#include <gtest/gtest.h>

#include "plot/nice_ticks.h"

namespace karvelo {
namespace {

TEST(NiceTicks, CoverTheRangeAtRoundStepsAndNeverRepeat) {
    struct Case {
        double low, high;
        int maxTicks;
        double minStep;
        double step;
    };
    const Case cases[] = {
        {164.9, 259.2, 6, 0.0, 20.0},  // a thickness line, mm
        {180.0, 180.0, 6, 0.0, 10.0},  // one point: widened to 162 .. 198
        {0.0, 0.0, 6, 0.0, 0.5},       // one point at 0
        {0.0, 27.0, 20, 1.0, 2.0},     // point numbers
        {3.0, 3.0, 10, 1.0, 1.0},      // one point number
        {2000.0, 20000.0, 6, 0.0, 5000.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.low << " .. " << c.high);
        const TickScale scale = NiceTicks(c.low, c.high, c.maxTicks, c.minStep);
        EXPECT_DOUBLE_EQ(scale.Step, c.step);
        ASSERT_GE(scale.Ticks.size(), 2u);
        EXPECT_LE(scale.Ticks.size(), static_cast<std::size_t>(c.maxTicks));
        EXPECT_LE(scale.Low, c.low);
        EXPECT_GE(scale.High, c.high);
        EXPECT_LT(scale.Low, scale.High);
        for (std::size_t k = 1; k < scale.Ticks.size(); ++k) {
            EXPECT_NEAR(scale.Ticks[k] - scale.Ticks[k - 1], c.step, 1e-9);
        }
    }
}

}  // namespace
}  // namespace karvelo
