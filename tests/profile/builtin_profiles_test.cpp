#include "profile/builtin_profiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "profile/profile_image.h"

namespace karvelo {
namespace {

std::int32_t ReadI32(const Image& image, std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, image.bytes.data() + offset, sizeof v);
    return v;
}
std::int16_t ReadI16(const Image& image, std::size_t offset) {
    std::int16_t v;
    std::memcpy(&v, image.bytes.data() + offset, sizeof v);
    return v;
}

struct ProfileCase {
    const char* name;
    void (*load)();
    std::uint16_t records;
    std::int32_t largest;
    std::size_t largestRecord;
    std::int32_t smallest;
    std::size_t firstPeakSample;
    std::size_t lastPeakSample;
    std::int32_t grid;
    std::int16_t coordinateScalar;
};

const ProfileCase kProfiles[] = {
    {"profile 1", LoadBuiltInProfile1, 20, 2612950, 12, -1662730, 111, 130, 10, -10},
    {"profile 2", LoadBuiltInProfile2, 2, 523553, 0, -365562, 105, 105, 1, 0},
};

class BuiltInProfilesTest : public ::testing::TestWithParam<ProfileCase> {
  protected:
    void SetUp() override { ResetProfileStore(); }
    void TearDown() override { ResetProfileStore(); }
};

TEST_P(BuiltInProfilesTest, BinaryHeader) {
    const ProfileCase& p = GetParam();
    p.load();
    EXPECT_EQ(TraceCount(SourceImage), p.records);
    EXPECT_EQ(SampleInterval(SourceImage), 31);
    EXPECT_EQ(SamplesPerTrace(SourceImage), 2048);
    EXPECT_EQ(SampleFormat(SourceImage), 2);
    EXPECT_EQ(ReadI32(SourceImage, 3204), 1);   // line number
    EXPECT_EQ(ReadU16(SourceImage, 3218), 31);  // field-recording interval
    EXPECT_EQ(ReadU16(SourceImage, 3222), 2048);
    for (std::size_t i = 0; i < kTextHeaderBytes; ++i) {
        ASSERT_EQ(SourceImage.bytes[i], 0) << "textual header byte " << i;
    }
}

TEST_P(BuiltInProfilesTest, TraceHeaders) {
    const ProfileCase& p = GetParam();
    p.load();
    for (std::size_t r = 0; r < p.records; ++r) {
        const std::size_t base = RecordOffset(r);
        const std::int32_t sequence = p.records == 20 ? static_cast<std::int32_t>(r / 2 + 1)
                                                      : static_cast<std::int32_t>(r + 1);
        EXPECT_EQ(ReadI32(SourceImage, base + 0), sequence) << r;
        EXPECT_EQ(ReadI32(SourceImage, base + 4), sequence) << r;
        EXPECT_EQ(ReadI32(SourceImage, base + 12), sequence) << r;
        EXPECT_EQ(ReadI16(SourceImage, base + 70), p.coordinateScalar);
        EXPECT_EQ(ReadI16(SourceImage, base + 88), 1);
        EXPECT_EQ(ReadU16(SourceImage, base + 114), 2048);
        EXPECT_EQ(ReadU16(SourceImage, base + 116), 31);
    }
}

TEST_P(BuiltInProfilesTest, ExtremesGridAndPeakPositions) {
    const ProfileCase& p = GetParam();
    p.load();
    std::int32_t largest = SampleWord(SourceImage, 0, 0);
    std::int32_t smallest = largest;
    std::size_t largestRecord = 0;
    for (std::size_t r = 0; r < p.records; ++r) {
        std::size_t peak = 0;
        for (std::size_t s = 0; s < 2048; ++s) {
            const auto v = static_cast<std::int32_t>(SampleWord(SourceImage, r, s));
            ASSERT_EQ(v % p.grid, 0) << "record " << r << " sample " << s;
            if (std::abs(v) >
                std::abs(static_cast<std::int32_t>(SampleWord(SourceImage, r, peak)))) {
                peak = s;
            }
            if (v > largest) {
                largest = v;
                largestRecord = r;
            }
            smallest = std::min(smallest, v);
        }
        EXPECT_GT(static_cast<std::int32_t>(SampleWord(SourceImage, r, peak)), 0) << r;
        EXPECT_GE(peak, p.firstPeakSample) << "record " << r;
        EXPECT_LE(peak, p.lastPeakSample) << "record " << r;
    }
    EXPECT_EQ(largest, p.largest);
    EXPECT_EQ(largestRecord, p.largestRecord);
    EXPECT_EQ(smallest, p.smallest);
}

INSTANTIATE_TEST_SUITE_P(BothProfiles, BuiltInProfilesTest, ::testing::ValuesIn(kProfiles),
                         [](const auto& info) {
                             return info.index == 0 ? "Profile1" : "Profile2";
                         });

TEST(BuiltInProfiles, SecondProfileLeavesTheFirstProfilesRecordsBehind) {
    ResetProfileStore();
    LoadBuiltInProfile1();
    const std::uint32_t record5Sample = SampleWord(SourceImage, 5, 300);
    LoadBuiltInProfile2();
    EXPECT_EQ(TraceCount(SourceImage), 2);
    EXPECT_EQ(SampleWord(SourceImage, 5, 300), record5Sample);
    ResetProfileStore();
}

}  // namespace
}  // namespace karvelo
