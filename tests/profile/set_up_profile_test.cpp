#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <vector>

#include "profile/profile_image.h"

namespace karvelo {
namespace {

// A profile of `words` per record in ProfileImage.
void MakeProfile(std::uint16_t format, const std::vector<std::vector<std::uint32_t>>& words) {
    ResetProfileStore();
    WriteU16(ProfileImage, kTraceCountOffset, static_cast<std::uint16_t>(words.size()));
    WriteU16(ProfileImage, kSampleFormatOffset, format);
    WriteU16(ProfileImage, kSamplesPerTraceOffset, static_cast<std::uint16_t>(words[0].size()));
    for (std::size_t r = 0; r < words.size(); ++r) {
        for (std::size_t s = 0; s < words[r].size(); ++s) {
            WriteU32(ProfileImage, SampleOffset(r, s), words[r][s]);
        }
    }
}

TEST(SetUpProfile, ExtremesAreSampleWordsOfTheWholeProfile) {
    const auto Int = [](std::int32_t v) { return static_cast<std::uint32_t>(v); };
    const auto Float = [](float v) { return std::bit_cast<std::uint32_t>(v); };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* name;
        std::uint16_t format;
        std::uint32_t max, min;
        std::vector<std::vector<std::uint32_t>> words;
    };
    const Case cases[] = {
        {"integers",
         kFormatInt32,
         Int(12),
         Int(-7),
         {{Int(5), Int(-7), Int(3)}, {Int(12), Int(0), Int(-2)}}},
        {"all negative", kFormatInt32, Int(-7), Int(-50), {{Int(-50), Int(-7), Int(-30)}}},
        {"NaN never replaces an extreme",
         kFormatIeeeFloat,
         Float(1.5f),
         Float(-2.0f),
         {{Float(1.5f), Float(nan), Float(-2.0f), Float(nan)}}},
        {"unsigned", kFormatUInt32, 0xFFFFFFFFu, 4u, {{0xFFFFFFFFu, 4u, 9u}}},
        {"unknown format", 5, 0u, 0u, {{0x12345678u, 0x7FFFFFFFu}}},
    };
    for (const Case& c : cases) {
        MakeProfile(c.format, c.words);
        SetUpProfile(1, 0);
        EXPECT_EQ(SampleMax, c.max) << c.name;
        EXPECT_EQ(SampleMin, c.min) << c.name;
    }
    ResetProfileStore();
}

}  // namespace
}  // namespace karvelo
