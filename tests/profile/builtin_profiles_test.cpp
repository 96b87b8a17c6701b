#include "profile/builtin_profiles.h"

#include <gtest/gtest.h>

#include "profile/profile_image.h"

namespace karvelo {
namespace {

TEST(BuiltInProfiles, HeadersSequenceNumbersAndExtremesOfBothProfiles) {
    struct Case {
        void (*load)();
        std::uint16_t records;
        std::uint32_t recordsPerSequence;
        std::int32_t largest, smallest;
    };
    for (const Case& c : {Case{LoadBuiltInProfile1, 20, 2, 2612950, -1662730},
                          Case{LoadBuiltInProfile2, 2, 1, 523553, -365562}}) {
        ResetProfileStore();
        c.load();
        EXPECT_EQ(TraceCount(SourceImage), c.records);
        EXPECT_EQ(SampleInterval(SourceImage), 31);
        EXPECT_EQ(SamplesPerTrace(SourceImage), 2048);
        EXPECT_EQ(SampleFormat(SourceImage), kFormatInt32);
        std::int32_t largest = 0;
        std::int32_t smallest = 0;
        for (std::size_t r = 0; r < c.records; ++r) {
            EXPECT_EQ(ReadU32(SourceImage, RecordOffset(r)), r / c.recordsPerSequence + 1) << r;
            EXPECT_EQ(ReadU16(SourceImage, RecordOffset(r) + 114), 2048) << r;
            for (std::size_t s = 0; s < 2048; ++s) {
                const auto v = static_cast<std::int32_t>(SampleWord(SourceImage, r, s));
                largest = std::max(largest, v);
                smallest = std::min(smallest, v);
            }
        }
        EXPECT_EQ(largest, c.largest);
        EXPECT_EQ(smallest, c.smallest);
    }
    // The second profile leaves the first profile's later records behind.
    LoadBuiltInProfile1();
    const std::uint32_t record5Sample = SampleWord(SourceImage, 5, 300);
    LoadBuiltInProfile2();
    EXPECT_EQ(SampleWord(SourceImage, 5, 300), record5Sample);
    ResetProfileStore();
}

}  // namespace
}  // namespace karvelo
