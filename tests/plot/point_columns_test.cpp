// Point columns of the profile-spectrum map and the rounding they are spaced with.
#include "plot/point_columns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fakes/recording_message_sink.h"
#include "plot/round_half_up.h"

namespace karvelo {
namespace {

using testing::RecordingMessageSink;

TEST(RoundHalfUp, HalvesGoUpAndNegativeOrNotANumberReportsErrorTwo) {
    RecordingMessageSink sink;
    for (const auto& [x, rounded] : {std::pair{2.5, 3.0}, std::pair{2.4999, 2.0},
                                     std::pair{0.5, 1.0}, std::pair{799.5, 800.0}}) {
        EXPECT_EQ(RoundHalfUp(x), rounded) << x;
    }
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(RoundHalfUp(-1.5), -1.0);
    EXPECT_TRUE(std::isnan(RoundHalfUp(std::numeric_limits<double>::quiet_NaN())));
    const std::string error = "Rounding error.Possible loss of data.Error code = 2";
    EXPECT_EQ(sink.messages, (std::vector<std::string>{error, error}));
}

TEST(PointColumns, SpacingIsRoundedAndPressesSnapToTheNearestPointColumn) {
    struct Case {
        std::uint32_t points;
        int spacing;
        int x;
        int snapped;
    };
    const Case cases[] = {
        {10, 89, 700, 681},                          // columns 325, 414, 503, 592, 681, 770 ...
        {10, 89, 726, 770},                          // strictly nearer to the right-hand column
        {10, 89, 725, 681},                          // 44 to the left, 45 to the right
        {9, 100, 375, 325},   {9, 100, 376, 425},    // half-way from 325 to 425 goes left
        {10, 89, 325, 325},   {10, 89, 300, 325},    // on or left of the first column
        {7, 133, 1123, 1123}, {7, 133, 1124, 1124},  // on or right of the last column: kept
        {2, 800, 1124, 1125},                        // the frame's two edges
        {1601, 1, 600, 600},  {2000, 1, 600, 600},   // never below one column
        {1, 1, 325, 325},     {1, 1, 600, 600},      // a single point: presses are kept
        {0, 1, 600, 600},
    };
    for (const Case& c : cases) {
        RecordingMessageSink sink;
        const PointColumns columns{325, ColumnsPerPoint(800, c.points), c.points};
        EXPECT_EQ(columns.Spacing, c.spacing) << c.points << " points";
        EXPECT_EQ(columns.Snap(c.x), c.snapped) << c.points << " points, x " << c.x;
        EXPECT_TRUE(sink.messages.empty());
    }
}

}  // namespace
}  // namespace karvelo
