#include "plot/round_half_up.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fakes/recording_message_sink.h"

namespace karvelo {
namespace {

using testing::RecordingMessageSink;

TEST(RoundHalfUp, RoundsToTheNearestWholeNumberWithHalvesUp) {
    struct Case {
        double x;
        double expected;
    };
    for (const Case c : {Case{2.5, 3.0}, Case{2.4999, 2.0}, Case{7.0, 7.0}, Case{0.0, 0.0},
                         Case{0.5, 1.0}, Case{88.888, 89.0}, Case{799.5, 800.0}}) {
        RecordingMessageSink sink;
        EXPECT_EQ(RoundHalfUp(c.x), c.expected) << c.x;
        EXPECT_TRUE(sink.messages.empty()) << c.x;
    }
}

TEST(RoundHalfUp, NegativeReportsErrorTwoAndRoundsTowardZero) {
    RecordingMessageSink sink;
    EXPECT_EQ(RoundHalfUp(-1.5), -1.0);
    EXPECT_EQ(sink.messages,
              std::vector<std::string>{"Rounding error.Possible loss of data.Error code = 2"});
}

TEST(RoundHalfUp, NotANumberReportsErrorTwo) {
    RecordingMessageSink sink;
    EXPECT_TRUE(std::isnan(RoundHalfUp(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(sink.messages.size(), 1U);
}

}  // namespace
}  // namespace karvelo
