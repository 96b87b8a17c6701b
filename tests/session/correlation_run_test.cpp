#include "session/correlation_run.h"

#include <gtest/gtest.h>

#include "session/session_test_support.h"

namespace karvelo::testing {
namespace {

class CorrelationRunTest : public SessionTest {
  protected:
    void SetUp() override {
        SessionTest::SetUp();
        OpenBuiltIn(0, kBothChannels, 10);  // one point of 20 traces
        messages_.messages.clear();
    }
};

TEST_F(CorrelationRunTest, FullRangeCoversEveryLagAndIgnoresTMax) {
    CorrelationFields fields;
    fields.FullRange = 1;
    fields.TMax = -5.0f;  // ignored with the full range, and not reported
    const CorrelationCurve curve = RunCorrelation(profile(), fields, surface_);
    ASSERT_EQ(curve.Values.size(), 4095u);
    EXPECT_EQ(curve.LagTimes.front(), -2047 * 31);
    EXPECT_TRUE(messages_.messages.empty());
    EXPECT_GT(InkIn(225, 70, 625, 320), 0);  // the curve in the dialog's frame
}

// Lags up to the nearest whole sample of TMax, halves rounded up; channel 2 of the first
// hit is 3 samples later than channel 1, so the curve peaks at the last lag.
TEST_F(CorrelationRunTest, LagLimitFromTMaxAndPeakAtTheSensorDelay) {
    CorrelationFields fields;
    fields.Signal2Trace = 1;
    fields.TMax = 2.5f * 31;
    const CorrelationCurve curve = RunCorrelation(profile(), fields, surface_);
    EXPECT_EQ(curve.LagTimes, (std::vector<std::int32_t>{-93, -62, -31, 0, 31, 62, 93}));
    EXPECT_EQ(std::max_element(curve.Values.begin(), curve.Values.end()), curve.Values.end() - 1);
}

TEST_F(CorrelationRunTest, RefusedFieldsClearTheSurfaceAndReport) {
    struct Case {
        CorrelationFields fields;
        std::vector<std::string> messages;
    };
    const std::vector<std::string> invalid = {"Invalid value entered."};
    const Case cases[] = {
        {{.Signal2Point = 1, .TMax = 100}, invalid},   // point too large
        {{.Signal1Trace = 20, .TMax = 100}, invalid},  // trace too large
        {{}, invalid},                                 // no lag
        {{.TMax = 15.0f}, invalid},                    // under half a sample interval
        {{.TMax = -100.0f},
         {"Rounding error.Possible loss of data.Error code = 2", "Invalid value entered."}},
    };
    for (const Case& c : cases) {
        messages_.messages.clear();
        surface_.SetPixel(10, 10, 0);
        EXPECT_TRUE(RunCorrelation(profile(), c.fields, surface_).Values.empty());
        EXPECT_EQ(messages_.messages, c.messages);
        EXPECT_EQ(InkIn(0, 0, surface_.Width() - 1, surface_.Height() - 1), 0);
    }
}

}  // namespace
}  // namespace karvelo::testing
