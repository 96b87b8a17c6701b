#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <vector>

#include "profile/profile_image.h"

namespace karvelo {
namespace {

class SetUpProfileTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetProfileStore(); }
    void TearDown() override { ResetProfileStore(); }

    // A profile of `words` per record in ProfileImage with the given header values.
    static void MakeProfile(std::uint16_t format,
                            const std::vector<std::vector<std::uint32_t>>& words) {
        WriteU16(ProfileImage, kTraceCountOffset, static_cast<std::uint16_t>(words.size()));
        WriteU16(ProfileImage, kSampleFormatOffset, format);
        WriteU16(ProfileImage, kSampleIntervalOffset, 31);
        WriteU16(ProfileImage, kSamplesPerTraceOffset,
                 static_cast<std::uint16_t>(words.empty() ? 0 : words[0].size()));
        for (std::size_t r = 0; r < words.size(); ++r) {
            for (std::size_t s = 0; s < words[r].size(); ++s) {
                WriteU32(ProfileImage, SampleOffset(r, s), words[r][s]);
            }
        }
    }
    static std::uint32_t Int(std::int32_t v) { return static_cast<std::uint32_t>(v); }
    static std::uint32_t Float(float v) { return std::bit_cast<std::uint32_t>(v); }
};

TEST_F(SetUpProfileTest, ExtremesAreStoredAsSampleWords) {
    MakeProfile(kFormatInt32, {{Int(5), Int(-7), Int(3)}, {Int(12), Int(0), Int(-2)}});
    SetUpProfile(1, 2);
    EXPECT_EQ(SampleMax, Int(12));
    EXPECT_EQ(SampleMin, Int(-7));
}

TEST_F(SetUpProfileTest, NegativeMaximumIsKept) {
    MakeProfile(kFormatInt32, {{Int(-50), Int(-7), Int(-30)}});
    SetUpProfile(1, 0);
    EXPECT_EQ(static_cast<std::int32_t>(SampleMax), -7);
    EXPECT_EQ(static_cast<std::int32_t>(SampleMin), -50);
}

TEST_F(SetUpProfileTest, NanNeverReplacesAnExtreme) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    MakeProfile(kFormatIeeeFloat, {{Float(1.5f), Float(nan), Float(-2.0f), Float(nan)}});
    SetUpProfile(1, 0);
    EXPECT_EQ(SampleMax, Float(1.5f));
    EXPECT_EQ(SampleMin, Float(-2.0f));
}

TEST_F(SetUpProfileTest, UnsignedFormatAndUnknownFormat) {
    MakeProfile(kFormatUInt32, {{0xFFFFFFFFu, 4u, 9u}});
    SetUpProfile(1, 0);
    EXPECT_EQ(SampleMax, 0xFFFFFFFFu);
    EXPECT_EQ(SampleMin, 4u);

    MakeProfile(5, {{0x12345678u, 0x7FFFFFFFu}});
    SetUpProfile(1, 0);
    EXPECT_EQ(SampleMax, 0u);
    EXPECT_EQ(SampleMin, 0u);
}

TEST_F(SetUpProfileTest, EmptyProfileTakesSampleZeroOfRecordZero) {
    WriteU16(ProfileImage, kSampleFormatOffset, kFormatInt32);
    WriteU32(ProfileImage, SampleOffset(0, 0), Int(-123));
    SetUpProfile(1, 2);
    EXPECT_EQ(PointCount, 0u);
    EXPECT_EQ(SampleMax, Int(-123));
    EXPECT_EQ(SampleMin, Int(-123));
}

TEST_F(SetUpProfileTest, GroupingByChannelModeAndHits) {
    struct Case {
        std::uint16_t traces;
        std::uint32_t hits;
        int mode;
        std::uint32_t tracesPerPoint;
        std::uint32_t points;
    };
    const Case cases[] = {
        {20, 2, 2, 4, 5},  {10, 2, 0, 2, 5},   {10, 2, 1, 2, 5},
        {20, 1, 2, 2, 10}, {20, 10, 2, 20, 1}, {7, 2, 0, 2, 3},  // rounded down
    };
    for (const Case& c : cases) {
        WriteU16(ProfileImage, kTraceCountOffset, c.traces);
        SetUpProfile(c.hits, c.mode);
        EXPECT_EQ(TracesPerPoint, c.tracesPerPoint) << c.traces << " " << c.hits << " " << c.mode;
        EXPECT_EQ(PointCount, c.points) << c.traces << " " << c.hits << " " << c.mode;
    }
}

}  // namespace
}  // namespace karvelo
