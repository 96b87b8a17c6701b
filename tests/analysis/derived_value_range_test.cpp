// Thickness and velocity stay finite in single precision, or are refused.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "analysis/peaks.h"
#include "analysis_test_support.h"

namespace karvelo {
namespace {

class DerivedValueRangeTest : public testing::AnalysisTest {};

TEST_F(DerivedValueRangeTest, ResultBeyondSinglePrecisionIsRefused) {
    constexpr float kLargest = std::numeric_limits<float>::max();
    const std::vector<std::string> refused{"Invalid value entered."};
    struct Case {
        std::int32_t thicknessGiven;
        float given;
        double frequency;
        bool accepted;
    };
    const Case cases[] = {
        {1, 1e36f, 1556.64, false},  // velocity 3.1e39 m/s
        {1, 1e30f, 1556.64, true},   // velocity 3.1e33 m/s
        {1, kLargest, 0.5, true},    // exactly the largest float
        {1, -kLargest, 1.0, false},  // twice the largest, negative
        {0, kLargest, 0.25, false},  // thickness of twice the largest
        {0, 1e38f, 1.0, true},       // thickness 5e37 m
        {0, 1.0f, 1e-300, false},    // thickness 5e299 m at a frequency near 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.given << " at " << c.frequency);
        sink_.messages.clear();
        AnalysisRequest request = NewRequest();
        request.ThicknessGiven = c.thicknessGiven;
        request.VelocityOrThickness = c.given;
        request.DerivedValue = 7.0f;
        controls_.ShowStatic(AnalysisStatic::Derived, true);
        controls_.ShowStatic(AnalysisStatic::DerivedCaption, true);
        EXPECT_EQ(DeriveThicknessOrVelocity(request, c.frequency), c.accepted);
        EXPECT_EQ(sink_.messages, c.accepted ? std::vector<std::string>{} : refused);
        EXPECT_EQ(controls_.IsShown(AnalysisStatic::Derived), c.accepted);
        EXPECT_EQ(controls_.IsShown(AnalysisStatic::DerivedCaption), c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(request.DerivedValue, 7.0f);  // left as it was
        }
    }
}

}  // namespace
}  // namespace karvelo
