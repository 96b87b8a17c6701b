#include <gtest/gtest.h>

#include <bit>
#include <limits>
#include <memory>
#include <vector>

#include "profile/profile.h"

namespace karvelo {
namespace {

// A profile of `words` per record.
void MakeProfile(Profile& profile, std::uint16_t format,
                 const std::vector<std::vector<std::uint32_t>>& words) {
    ClearImage(profile.image);
    WriteU16(profile.image, kTraceCountOffset, static_cast<std::uint16_t>(words.size()));
    WriteU16(profile.image, kSampleFormatOffset, format);
    WriteU16(profile.image, kSamplesPerTraceOffset, static_cast<std::uint16_t>(words[0].size()));
    for (std::size_t r = 0; r < words.size(); ++r) {
        for (std::size_t s = 0; s < words[r].size(); ++s) {
            WriteU32(profile.image, SampleOffset(r, s), words[r][s]);
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
    const auto store = std::make_unique<Profile>();
    Profile& profile = *store;
    for (const Case& c : cases) {
        MakeProfile(profile, c.format, c.words);
        SetUpProfile(profile, 1, 0);
        EXPECT_EQ(profile.SampleMax, c.max) << c.name;
        EXPECT_EQ(profile.SampleMin, c.min) << c.name;
    }
}

}  // namespace
}  // namespace karvelo
