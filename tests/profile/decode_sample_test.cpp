#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>

#include "profile/profile_image.h"

namespace karvelo {
namespace {

TEST(DecodeSample, EveryFormatCode) {
    EXPECT_EQ(DecodeSample(kFormatInt32, 0xFFFFFFFFu), -1.0);
    EXPECT_EQ(DecodeSample(kFormatInt32, 0x80000000u), -2147483648.0);
    EXPECT_EQ(DecodeSample(kFormatUInt32, 0xFFFFFFFFu), 4294967295.0);
    EXPECT_EQ(DecodeSample(kFormatUInt32, 0x80000000u), 2147483648.0);
    // Format 1 takes the word bit for bit as an IEEE single.
    EXPECT_EQ(DecodeSample(kFormatIeeeFloat, std::bit_cast<std::uint32_t>(1.0f)), 1.0);
    EXPECT_EQ(DecodeSample(kFormatIeeeFloat, std::bit_cast<std::uint32_t>(-2.5f)), -2.5);
    EXPECT_TRUE(std::isnan(DecodeSample(kFormatIeeeFloat, 0x7FC00000u)));
    // SEG-Y codes 5 and 8, and anything else, decode as zero.
    for (std::uint16_t code : {0, 4, 5, 8, 0xFFFF}) {
        EXPECT_EQ(DecodeSample(code, 0x3F800000u), 0.0) << code;
    }
}

TEST(DecodeSample, EncodeGivesBackTheCarryingWord) {
    for (std::uint32_t word : {0u, 1u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 2612950u}) {
        EXPECT_EQ(EncodeSample(kFormatInt32, DecodeSample(kFormatInt32, word)), word);
        EXPECT_EQ(EncodeSample(kFormatUInt32, DecodeSample(kFormatUInt32, word)), word);
    }
    const std::uint32_t oneAndAHalf = std::bit_cast<std::uint32_t>(1.5f);
    EXPECT_EQ(EncodeSample(kFormatIeeeFloat, DecodeSample(kFormatIeeeFloat, oneAndAHalf)),
              oneAndAHalf);
    EXPECT_EQ(EncodeSample(5, 123.0), 0u);
}

TEST(ProfileImageLayout, RecordAndSampleAddressing) {
    EXPECT_EQ(SampleOffset(0, 0), 3840u);
    EXPECT_EQ(RecordOffset(1), 3600u + 8432u);
    EXPECT_EQ(SampleOffset(999, 2047), kImageBytes - 4);
}

}  // namespace
}  // namespace karvelo
