#include "profile/profile_loader.h"

#include <gtest/gtest.h>

#include <cstring>

#include "profile/builtin_profiles.h"
#include "profile/file_source_support.h"

namespace karvelo {
namespace {

class ProfileLoaderTest : public testing::FileSourceTest {
  protected:
    void SetUp() override { LoadBuiltInProfile1(source_->image); }

    // Whether record k of the loaded image is record `source` of the built-in profile,
    // trace header and all.
    bool SameRecord(std::size_t k, std::size_t source) const {
        return std::memcmp(profile().image.bytes.data() + RecordOffset(k),
                           source_->image.bytes.data() + RecordOffset(source),
                           kTraceRecordBytes) == 0 &&
               std::memcmp(profile().image.bytes.data() + SampleOffset(k, 0),
                           kBuiltInProfile1Samples[source], 2048 * 4) == 0;
    }

    std::unique_ptr<Profile> source_ = std::make_unique<Profile>();
};

TEST_F(ProfileLoaderTest, ChannelLayouts) {
    struct Case {
        int mode;
        std::uint32_t hits;
        std::uint32_t tracesPerPoint;
        std::uint32_t points;
    };
    const Case cases[] = {
        {kChannel1, 1, 1, 10},  {kChannel1, 5, 5, 2},      {kChannel2, 2, 2, 5},
        {kChannel2, 10, 10, 1}, {kBothChannels, 1, 2, 10}, {kBothChannels, 5, 10, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.mode << " hits " << c.hits);
        ASSERT_TRUE(LoadBuiltIn(0, c.mode, c.hits));
        const std::size_t records = c.tracesPerPoint * c.points;
        EXPECT_EQ(TraceCount(profile().image), records);
        EXPECT_EQ(profile().TracesPerPoint, c.tracesPerPoint);
        EXPECT_EQ(profile().PointCount, c.points);
        EXPECT_TRUE(document_.LoadCompleted);
        for (std::size_t k = 0; k < records; ++k) {
            const std::size_t source = c.mode == kBothChannels ? k : 2 * k + (c.mode == kChannel2);
            EXPECT_TRUE(SameRecord(k, source)) << "record " << k;
        }
        document_.LoadCompleted = false;
    }
    EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(ProfileLoaderTest, RefusedHitsKeepThePreviousProfile) {
    ASSERT_TRUE(LoadBuiltIn(0, kChannel1, 2));
    document_.LoadCompleted = false;
    const auto before = LoadedState();
    for (std::uint32_t hits : {3u, 11u, 20u, 0u}) {
        sink_.messages.clear();
        EXPECT_FALSE(LoadBuiltIn(0, kBothChannels, hits)) << hits;
        EXPECT_EQ(sink_.messages, std::vector<std::string>{"Invalid number of hits."});
    }
    EXPECT_FALSE(LoadBuiltIn(1, kBothChannels, 2));  // the 2-record profile has one hit
    EXPECT_TRUE(LoadedState() == before);
}

}  // namespace
}  // namespace karvelo
