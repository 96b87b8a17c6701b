// The fit of recordings into the image: the step and length it chooses around the limits,
// what it says, and that its resampling keeps the band and lets nothing alias into it.
#include "profile/recording_fit.h"

#include <cmath>
#include <numbers>

#include "profile/file_source_support.h"

namespace karvelo::testing {
namespace {

TEST(RecordingFit, StepAndLengthAroundTheLimits) {
    const struct {
        std::size_t samples;
        double us;
        bool firstSamples;
        bool resample;
        double step;
        std::size_t written;
        const char* note;
    } cases[] = {
        {2048, 5.0, false, false, 5, 2048, ""},
        {2048, 1.0000001, false, false, 1, 2048, ""},
        {2049, 5.0, false, true, 6, 1708,
         "2049 samples at 5 us resampled to 1708 at 6 us (whole record kept)"},
        {3127, 1.6, false, true, 3, 1668,
         "3127 samples at 1.6 us resampled to 1668 at 3 us (whole record kept)"},
        {10002, 0.5, false, true, 3, 1667,
         "10002 samples at 0.5 us resampled to 1667 at 3 us (whole record kept)"},
        {100, 1.6, false, true, 2, 80,
         "100 samples at 1.6 us resampled to 80 at 2 us (whole record kept)"},
        {5008, 1.0, false, true, 3, 1669,
         "5008 samples at 1 us resampled to 1669 at 3 us (whole record kept)"},
        {4096, 1.0, false, true, 2, 2048,
         "4096 samples at 1 us resampled to 2048 at 2 us (whole record kept)"},
        {4097, 1.0, false, true, 3, 1366,
         "4097 samples at 1 us resampled to 1366 at 3 us (whole record kept)"},
        {50000, 0.5, false, true, 10, 2048,
         "50000 samples at 0.5 us resampled to 2500 at 10 us, first 2048 kept (record too long "
         "for 2048 samples at 10 us)"},
        {3000, 12.5, false, true, 13, 2048,
         "3000 samples at 12.5 us resampled to 2885 at 13 us, first 2048 kept (record too long "
         "for 2048 samples at 13 us)"},
        {5008, 1.0, true, false, 1, 2048, "5008 samples at 1 us: first 2048 kept"},
        {3127, 1.6, true, true, 2, 1638,
         "3127 samples at 1.6 us: first 2048 kept, resampled to 1638 at 2 us"},
        {100, 1.6, true, true, 2, 80,
         "100 samples at 1.6 us resampled to 80 at 2 us (whole record kept)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.note);
        const FitPlan plan = PlanFit(c.samples, c.us, c.firstSamples);
        EXPECT_EQ(plan.Resample, c.resample);
        EXPECT_EQ(plan.StepUs, c.step);
        EXPECT_EQ(plan.Samples, c.written);
        EXPECT_EQ(FitNote(c.samples, c.us, plan), c.note);
    }
}

TEST_F(FileSourceTest, TheFitKeepsTheBandAndAliasesNothingIntoIt) {
    // 12 kHz for 5 ms at 0.5 us, with strong content at 400 kHz and at 310 kHz (which a
    // plain decimation to 3 us would fold onto 23.3 kHz).
    std::string text;
    char line[64];
    for (int s = 0; s < 10000; ++s) {
        const double t = s * 0.5e-6;
        const double v = std::sin(2 * std::numbers::pi * 12e3 * t) +
                         5 * std::sin(2 * std::numbers::pi * 400e3 * t) +
                         5 * std::sin(2 * std::numbers::pi * 310e3 * t);
        std::snprintf(line, sizeof line, "%.8e,%.8e\n", t, v);
        text += line;
    }
    ASSERT_TRUE(LoadFiles(Text("alias.csv", text), kChannel1, 1, {}));
    ASSERT_EQ(SampleInterval(profile().image), 3);
    ASSERT_EQ(SamplesPerTrace(profile().image), 1667);
    EXPECT_EQ(sink_.messages,
              std::vector<std::string>{"10000 samples at 0.5 us resampled to 1667 at 3 us (whole "
                                       "record kept)"});
    std::vector<float> trace(1667);
    for (std::size_t s = 0; s < trace.size(); ++s) {
        trace[s] = ProfileSample(profile(), 0, s);
    }
    const double bin = 1e6 / (3.0 * 1667);
    const double peak = Amplitude(trace, 3.0, 12e3);
    EXPECT_NEAR(peak, 1.0, 0.02);
    for (double hz = 2000.0; hz <= 50000.0; hz += bin) {
        if (std::abs(hz - 12e3) > 1.5 * bin) {
            ASSERT_LT(Amplitude(trace, 3.0, hz), 0.01 * peak) << hz;
        }
    }
}

}  // namespace
}  // namespace karvelo::testing
