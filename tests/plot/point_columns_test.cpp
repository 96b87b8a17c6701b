#include "plot/point_columns.h"

#include <gtest/gtest.h>

#include "fakes/recording_message_sink.h"

namespace karvelo {
namespace {

using testing::RecordingMessageSink;

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

TEST(PointColumns, ColumnOfAPointSnapsBackToThatPoint) {
    for (const std::uint32_t points : {2U, 3U, 7U, 10U, 33U, 100U}) {
        const PointColumns columns{325, ColumnsPerPoint(800, points), points};
        for (std::uint32_t p = 0; p < points; ++p) {
            EXPECT_EQ(columns.NearestPoint(columns.ColumnOf(p)), p) << points << " points";
        }
        EXPECT_FALSE(columns.NearestPoint(columns.ColumnOf(points - 1) + 1)) << points;
    }
}

}  // namespace
}  // namespace karvelo
