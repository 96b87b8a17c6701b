// The numbers behind the per-point report: refined peaks, trend removal, hit checks, CSV cells.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/analysis_test_support.h"
#include "analysis/frequency_axis.h"
#include "analysis/peak_refinement.h"
#include "analysis/peaks.h"
#include "analysis/spectrum_modes.h"
#include "report/hit_check.h"
#include "report/report_table.h"

namespace karvelo {
namespace {

constexpr std::uint16_t kSamples = 2048;
constexpr std::uint16_t kInterval = 31;  // us, as the built-in profiles

class ReportTest : public testing::AnalysisTest {
  protected:
    // The refined and the bin frequency of the strongest maximum of record 0's spectrum.
    std::pair<double, double> StrongestPeak() {
        const FrequencyAxis axis = MakeFrequencyAxis(kSamples, kInterval);
        LoadTraceSamples(profile_, buffers_, 0, kSamples);
        EXPECT_TRUE(TransformTraceSamples(buffers_, kSamples, kInterval));
        static std::array<float, kMaxSpectrumBins> spectrum;
        const std::span<float> values(spectrum.data(), axis.BinCount);
        NormaliseSpectrum(std::span(buffers_.AmplitudeSpectrum).first(axis.BinCount), values, true);
        const std::vector<LocalMaximum> peaks = LocalMaximaOf(values);
        const auto best = std::max_element(peaks.begin(), peaks.end(), [&](auto a, auto b) {
            return values[a.Bin] < values[b.Bin];
        });
        const double binFrequency = best->Bin * axis.Step;
        return {RefinePeakFrequency(values, best->Bin, axis.ResampledStep, binFrequency).Frequency,
                binFrequency};
    }
};

TEST_F(ReportTest, RefinedFrequencyIsCloserThanTheBinForSinesBetweenTheBins) {
    // The bound of the undamped sine is the uncertainty the report gives a refined
    // frequency; the plates' echoes decay (12 ms) and carry noise.
    WriteProfile(1, kInterval, kSamples, 1);
    const double step = MakeFrequencyAxis(kSamples, kInterval).ResampledStep;
    const double cases[][3] = {
        {0.0, 0.0, kRefinedErrorBins}, {0.012, 0.0, 0.08}, {0.012, 0.01, 0.09}};
    for (const auto& [tau, noise, bound] : cases) {
        SCOPED_TRACE(::testing::Message() << "tau " << tau << ", noise " << noise);
        double worst = 0.0;
        double worstBin = 0.0;
        for (const double offset : {0.0, 0.1, 0.2, 0.25, 0.3, 0.4, 0.5}) {
            const double hz = (100.0 + offset) * step;
            WriteSine(0, hz, 1000.0, tau, noise);
            const auto [refined, bin] = StrongestPeak();
            worst = std::max(worst, std::abs(refined - hz) / step);
            worstBin = std::max(worstBin, std::abs(bin - hz) / step);
        }
        EXPECT_LT(worst, bound);
        EXPECT_LT(worst, worstBin);
    }
    // Trend removal: off, the offset swamps the normalised 0 Hz bin; on, the bin is gone.
    WriteTrace(0, [](std::size_t s) { return 200.0 + 0.1 * s + std::sin(0.3 * s); });
    AnalysisRequest request = NewRequest();
    ASSERT_TRUE(ComputeSelectionSpectrum(profile_, buffers_, request));
    EXPECT_EQ(buffers_.SelectionSpectrum[0], 1.0f);
    request.Detrend = true;
    ASSERT_TRUE(ComputeSelectionSpectrum(profile_, buffers_, request));
    EXPECT_LT(buffers_.SelectionSpectrum[0], 0.01f);
}

TEST_F(ReportTest, EachFlagIsRaisedByTheHitMadeForIt) {
    // Five hits of one point at 1575 Hz: a normal pair, a weak one, one at 1700 Hz and
    // one clipped at 80 % of its amplitude.
    WriteProfile(5, kInterval, kSamples, 5);
    WriteSine(0, 1575.0, 1000.0, 0.012);
    WriteSine(1, 1575.0, 1000.0, 0.012);
    WriteSine(2, 1575.0, 50.0, 0.012);
    WriteSine(3, 1700.0, 1000.0, 0.012);
    WriteSine(4, 1575.0, 1000.0, 0.012, 0.0, 800.0);
    const std::uint32_t lastBin = MakeFrequencyAxis(kSamples, kInterval).BinCount - 1;
    const std::vector<HitCheck> hits = CheckHits(profile_, buffers_, 0, 1, lastBin, false);
    EXPECT_EQ(FlagsText(hits), "2:weak 3:outlier 4:clipped");
    const auto spread = SpreadOf(hits);
    ASSERT_TRUE(spread);
    EXPECT_NEAR(spread->Median, 1575.0, 2.0);
    EXPECT_NEAR(spread->Max, 1700.0, 2.0);
}

TEST(ReportTable, CsvCellsAreQuotedOnlyWhenTheyMustBe) {
    struct Case {
        std::vector<std::string> cells;
        std::string record;
    };
    const Case cases[] = {
        {{"1", "1575", ""}, "1,1575,\r\n"},
        {{"3:weak,outlier"}, "\"3:weak,outlier\"\r\n"},
        {{"say \"hi\"", "a\nb"}, "\"say \"\"hi\"\"\",\"a\nb\"\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CsvRecord(c.cells), c.record);
    }
}

}  // namespace
}  // namespace karvelo
