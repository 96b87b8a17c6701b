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

TEST(ColumnsPerPoint, RoundsTheSpacingAndNeverFallsBelowOneColumn) {
    struct Case {
        std::uint32_t points;
        int columns;
    };
    for (const Case c : {Case{10, 89}, Case{2, 800}, Case{9, 100}, Case{7, 133}, Case{1, 1},
                         Case{0, 1}, Case{1601, 1}, Case{2000, 1}}) {
        RecordingMessageSink sink;
        EXPECT_EQ(ColumnsPerPoint(800, c.points), c.columns) << c.points << " points";
        EXPECT_TRUE(sink.messages.empty());
    }
}

TEST(PointColumns, SnapsToTheNearestPointColumn) {
    struct Case {
        std::uint32_t points;
        int x;
        int snapped;
    };
    const Case cases[] = {
        {10, 700, 681},                   // columns 325, 414, 503, 592, 681, 770 ...
        {10, 726, 770},                   // strictly nearer to the right-hand column
        {10, 725, 681},                   // 44 to the left, 45 to the right
        {9, 375, 325},                    // exactly half-way between 325 and 425: the left column
        {9, 376, 425},   {10, 325, 325},  // on the first column
        {10, 300, 325},                   // left of the first column
        {7, 1123, 1123},                  // on the last column (325 + 6 * 133)
        {7, 1124, 1124},                  // right of the last column: kept
        {1, 325, 325},                    // a single point on the frame's left edge
        {1, 600, 600},   {0, 600, 600},
    };
    for (const Case& c : cases) {
        const PointColumns columns{325, ColumnsPerPoint(800, c.points), c.points};
        EXPECT_EQ(columns.Snap(c.x), c.snapped) << c.points << " points, x " << c.x;
    }
}

}  // namespace
}  // namespace karvelo
