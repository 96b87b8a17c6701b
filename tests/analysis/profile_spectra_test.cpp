// The point spectra of the profile-spectrum map, computed on two threads when the profile
// is long enough, against the same spectra taken one trace at a time.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "analysis/analysis_test_support.h"
#include "analysis/frequency_axis.h"
#include "analysis/spectrum_modes.h"

namespace karvelo::testing {
namespace {

class ProfileSpectraTest : public AnalysisTest {
  protected:
    static constexpr std::uint32_t kHits = 3;
    static constexpr double kOld = -1.0;  // what the grid held before

    // points x kHits records of 256 samples, each trace a sine of its own.
    void WriteLine(std::uint16_t points) {
        WriteProfile(static_cast<std::uint16_t>(points * kHits), 20, 256, kHits);
        for (std::size_t r = 0; r < std::size_t{points} * kHits; ++r) {
            WriteTrace(r, Sine(3.0 + 0.7 * static_cast<double>(r), 1.0 + r % 5, 256));
        }
    }

    std::uint32_t Bins() {
        return MakeFrequencyAxis(SamplesPerTrace(profile_.image), SampleInterval(profile_.image),
                                 profile_.Unit)
            .BinCount;
    }

    // Point j's product of amplitude spectra, one trace after another through the static
    // buffers, as a report of the hits computes them.
    std::vector<double> PointOneByOne(std::uint32_t j, bool detrend) {
        std::vector<double> product(Bins(), 1.0);
        for (std::uint32_t t = 0; t < profile_.TracesPerPoint; ++t) {
            LoadTraceSamples(profile_, buffers_, std::size_t{j} * profile_.TracesPerPoint + t,
                             SamplesPerTrace(profile_.image));
            EXPECT_TRUE(TransformTraceSamples(buffers_, SamplesPerTrace(profile_.image),
                                              SampleInterval(profile_.image), detrend));
            for (std::size_t i = 0; i < product.size(); ++i) {
                product[i] = t == 0 ? buffers_.AmplitudeSpectrum[i]
                                    : product[i] * buffers_.AmplitudeSpectrum[i];
            }
        }
        return product;
    }

    // The samples, the resampled trace and the spectrum the last transform left.
    std::vector<std::vector<double>> LastBuffers() {
        return {{buffers_.TraceSamples.begin(), buffers_.TraceSamples.end()},
                {buffers_.ResampledTrace.begin(), buffers_.ResampledTrace.end()},
                {buffers_.AmplitudeSpectrum.begin(), buffers_.AmplitudeSpectrum.end()}};
    }

    std::vector<double> Row(std::uint32_t j) {
        const auto first = buffers_.ProfileSpectrumGrid.begin() + std::size_t{j} * kMatrixRowStride;
        return {first, first + Bins()};
    }
};

TEST_F(ProfileSpectraTest, RowsAndLastBuffersAreThoseOfOneTraceAtATime) {
    // 1 point stays on one thread; 2 and more points of 3 hits go on two.
    for (const std::uint16_t points : {1, 2, 7}) {
        for (const bool detrend : {false, true}) {
            ResetAll();
            WriteLine(points);
            ASSERT_TRUE(ComputeProfileSpectra(profile_, buffers_, detrend));
            const std::vector<std::vector<double>> last = LastBuffers();
            for (std::uint32_t j = 0; j < points; ++j) {
                EXPECT_TRUE(Row(j) == PointOneByOne(j, detrend)) << points << " point " << j;
            }
            // The last trace one by one leaves the buffers as the two threads left them.
            EXPECT_TRUE(last == LastBuffers());
        }
    }
}

TEST_F(ProfileSpectraTest, ARefusedTraceLeavesEarlierRowsNewAndLaterRowsOld) {
    const std::uint16_t points = 8;
    // A NaN in the first half, in the second half (the second thread's), in the last trace.
    for (const std::size_t refused : {std::size_t{7}, std::size_t{16}, std::size_t{23}}) {
        ResetAll();
        WriteLine(points);
        ReservePointRows(buffers_, points);
        std::fill(buffers_.ProfileSpectrumGrid.begin(), buffers_.ProfileSpectrumGrid.end(), kOld);
        WriteU32(profile_.image, SampleOffset(refused, 100),
                 EncodeSample(kFormatIeeeFloat, std::numeric_limits<double>::quiet_NaN()));
        const std::size_t messages = sink_.messages.size();
        EXPECT_FALSE(ComputeProfileSpectra(profile_, buffers_, false));
        EXPECT_EQ(sink_.messages.size(), messages + 1);  // one error, not one per thread
        const std::vector<double> spectrum = LastBuffers()[2];
        const std::uint32_t refusedPoint = static_cast<std::uint32_t>(refused / kHits);
        for (std::uint32_t j = 0; j < points; ++j) {
            const std::vector<double> row = Row(j);
            if (j >= refusedPoint) {
                EXPECT_TRUE(std::all_of(row.begin(), row.end(), [](double v) { return v == kOld; }))
                    << refused << " point " << j;
            } else {
                EXPECT_TRUE(row == PointOneByOne(j, false)) << refused << " point " << j;
            }
        }
        // The spectrum of the trace before the refused one, as one thread leaves it.
        LoadTraceSamples(profile_, buffers_, refused - 1, SamplesPerTrace(profile_.image));
        ASSERT_TRUE(TransformTraceSamples(buffers_, SamplesPerTrace(profile_.image),
                                          SampleInterval(profile_.image)));
        EXPECT_TRUE(spectrum == LastBuffers()[2]) << refused;
    }
}

TEST_F(ProfileSpectraTest, ALineOfMoreThanAHundredPointsGetsARowForEveryPoint) {
    const std::uint16_t points = 250;
    WriteLine(points);
    ASSERT_TRUE(ComputeProfileSpectra(profile_, buffers_, false));
    EXPECT_TRUE(sink_.messages.empty());
    for (const std::uint32_t j : {0U, 99U, 100U, 249U}) {
        EXPECT_TRUE(Row(j) == PointOneByOne(j, false)) << "point " << j;
    }
}

}  // namespace
}  // namespace karvelo::testing
