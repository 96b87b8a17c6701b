// The image copies and clearing stop at what an image can hold; the images they leave
// must be those of whole-image copies, slack included.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "fakes/recording_message_sink.h"
#include "profile/profile_image.h"
#include "profile/profile_loader.h"

namespace karvelo {
namespace {

class ImageExtentTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetProfileStore(); }
    void TearDown() override { ResetProfileStore(); }

    static bool Same(const Image& a, const Image& b) {
        return std::memcmp(a.bytes.data(), b.bytes.data(), kImageBytes) == 0;
    }

    testing::RecordingMessageSink sink_;
};

TEST_F(ImageExtentTest, LoadsLeaveWholeImageCopies) {
    struct Step {
        const char* name;
        std::uint32_t profile;
        int channels;
    };
    // Longer and shorter profiles in turn, both channels and one of them.
    const Step steps[] = {
        {"20 records, both channels", 0, kBothChannels},
        {"2 records after 20", 1, kBothChannels},
        {"20 records, channel 2", 0, kChannel2},
        {"2 records, channel 1, after the split", 1, kChannel1},
        {"20 records again", 0, kBothChannels},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        ASSERT_TRUE(LoadProfile(step.profile, step.channels, 1));
        if (step.channels == kBothChannels) {
            EXPECT_TRUE(Same(ProfileImage, SourceImage));
        } else {
            EXPECT_TRUE(Same(TwoChannelImage, SourceImage));
        }
    }
}

TEST_F(ImageExtentTest, CopyAndClearReachEveryWrittenByte) {
    const auto from = std::make_unique<Image>();
    const auto to = std::make_unique<Image>();
    WriteU16(*from, kTraceCountOffset, 3);
    from->bytes[RecordOffset(2) + 17] = 5;  // within its records
    WriteU16(*to, kTraceCountOffset, 1);
    to->bytes[RecordOffset(900)] = 7;  // past its records, within its written mark
    to->written = kImageBytes;

    CopyImage(*from, *to);
    EXPECT_TRUE(Same(*from, *to));
    to->bytes[RecordOffset(1) + 3] = 9;  // the copy's own records reach this far
    ClearImage(*to);
    EXPECT_TRUE(Same(*to, *std::make_unique<Image>()));
}

}  // namespace
}  // namespace karvelo
