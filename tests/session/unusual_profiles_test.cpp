// A profile the built-in data never produce: too many points for the profile spectrum.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "session/session_test_support.h"

namespace karvelo::testing {
namespace {

class UnusualProfileTest : public SessionTest {
  protected:
    // A loaded profile of `records` sine traces of 256 samples, one trace per point.
    void LoadSynthetic(std::uint16_t records) {
        WriteU16(ProfileImage, kTraceCountOffset, records);
        WriteU16(ProfileImage, kSampleIntervalOffset, 31);
        WriteU16(ProfileImage, kSamplesPerTraceOffset, 256);
        WriteU16(ProfileImage, kSampleFormatOffset, kFormatInt32);
        for (std::size_t r = 0; r < records; ++r) {
            for (std::size_t s = 0; s < 256; ++s) {
                const double v = 1000.0 * std::sin(2 * std::numbers::pi * (5 + r % 7) * s / 256.0);
                WriteU32(ProfileImage, SampleOffset(r, s), EncodeSample(kFormatInt32, v));
            }
        }
        session_.OnFileOpen([&] {
            SetUpProfile(1, kChannel1);
            LoadCompleted = true;
        });
        controls_.widgets.FMax = 5000000;  // picosecond profile: a wide band
        controls_.widgets.FMin = 0;
    }
};

TEST_F(UnusualProfileTest, ProfileSpectrumOfMoreThanAHundredPointsIsRefusedBeforeItIsComputed) {
    LoadSynthetic(101);
    messages_.messages.clear();
    const std::vector<double> gridBefore(ProfileSpectrumGrid.begin(),
                                         ProfileSpectrumGrid.begin() + 100);
    controls_.widgets.SpectrumMode = kProfileSpectrum;
    session_.OnProfileSpectrum();
    EXPECT_EQ(messages_.messages, std::vector<std::string>{"Invalid value entered."});
    EXPECT_TRUE(std::equal(gridBefore.begin(), gridBefore.end(), ProfileSpectrumGrid.begin()));
    EXPECT_EQ(InkIn(275, 320, 1175, 670), 0);
    EXPECT_FALSE(progress_.open);
}

}  // namespace
}  // namespace karvelo::testing
