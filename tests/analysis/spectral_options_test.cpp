// The window and the zero padding of the transform: the described spectrum untouched by
// default, finer bins and a truer peak otherwise, in every spectrum mode and the map.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/amplitude_spectrum.h"
#include "analysis/analysis_test_support.h"
#include "analysis/frequency_axis.h"
#include "analysis/spectral_window.h"
#include "analysis/spectrum_modes.h"
#include "report/point_report.h"

namespace karvelo::testing {
namespace {

constexpr std::uint16_t kSamples = 2048;
constexpr std::uint16_t kInterval = 31;  // us

SpectralOptions Options(SpectralWindow window, std::uint32_t pad, double share = 0.25) {
    return {window, share, pad};
}

class SpectralOptionsTest : public AnalysisTest {
  protected:
    // The point's refined dominant frequency as the report finds it.
    double ReportedFrequency(const SpectralOptions& spectral, std::int32_t mode = kSingleTrace) {
        AnalysisRequest request = NewRequest(mode);
        request.Controls = nullptr;
        request.FMax = 5000;
        request.Spectral = spectral;
        ReportSettings settings;
        settings.SpectrumMode = mode;
        settings.Spectral = spectral;
        settings.CheckEachHit = false;
        const PointReport row = ReportPoint(profile_, buffers_, request, settings, 0);
        EXPECT_TRUE(row.HasPeak);
        return row.RefinedFrequency;
    }
};

TEST_F(SpectralOptionsTest, AxisHasPaddedBinsAndTheSameTop) {
    const FrequencyAxis plain = MakeFrequencyAxis(kSamples, kInterval);
    for (const std::uint32_t pad : kZeroPadFactors) {
        const FrequencyAxis padded =
            MakeFrequencyAxis(kSamples, kInterval, TimeUnit::kByImageRule, pad);
        EXPECT_EQ(padded.BinCount, kResampleFactor * kSamples * pad / 2 + 1) << pad;
        EXPECT_DOUBLE_EQ(padded.Step * pad, plain.Step) << pad;
        EXPECT_DOUBLE_EQ(padded.ResampledStep * pad, plain.ResampledStep) << pad;
        EXPECT_NEAR(padded.Top, plain.Top, 1) << pad;
    }
}

TEST_F(SpectralOptionsTest, DefaultsTransformTheSignalItselfAndWindowsWeighAsNamed) {
    std::vector<double> signal(640);
    for (std::size_t i = 0; i < signal.size(); ++i) {
        signal[i] = std::sin(0.37 * i) + 0.01 * (i % 7);
    }
    std::vector<double> plain(signal.size() / 2 + 1);
    std::vector<double> through(plain.size());
    ASSERT_TRUE(ComputeMagnitudes(signal, plain));
    // The share means nothing without the exponential window.
    ASSERT_TRUE(ComputeSpectralMagnitudes(signal, Options(SpectralWindow::None, 1, 0.7), through));
    EXPECT_EQ(through, plain);

    const struct {
        SpectralOptions options;
        double first, quarter, middle, last;  // weights at 0, n/4, n/2 and n-1 of n = 5
    } windows[] = {
        {Options(SpectralWindow::None, 1), 1.0, 1.0, 1.0, 1.0},
        {Options(SpectralWindow::Hann, 1), 0.0, 0.5, 1.0, 0.0},
        {Options(SpectralWindow::Exponential, 1, 0.25), 1.0, std::exp(-1.0), std::exp(-2.0),
         std::exp(-4.0)},
        {Options(SpectralWindow::Exponential, 1, 1.0), 1.0, std::exp(-0.25), std::exp(-0.5),
         std::exp(-1.0)},
    };
    for (const auto& w : windows) {
        std::vector<double> ones(5, 1.0);
        ApplyWindow(ones, w.options);
        EXPECT_NEAR(ones[0], w.first, 1e-12);
        EXPECT_NEAR(ones[1], w.quarter, 1e-12);
        EXPECT_NEAR(ones[2], w.middle, 1e-12);
        EXPECT_NEAR(ones[4], w.last, 1e-12);
    }

    // Padding by K puts the unpadded bins at every K-th padded bin (no window).
    std::vector<double> padded(signal.size() * 4 / 2 + 1);
    ASSERT_TRUE(ComputeSpectralMagnitudes(signal, Options(SpectralWindow::None, 4), padded));
    for (std::size_t k = 0; k < plain.size(); ++k) {
        EXPECT_NEAR(padded[4 * k], plain[k], 1e-9 * plain[0] + 1e-9) << k;
    }
    // A factor not offered, or a share outside (0, 1], is refused.
    EXPECT_FALSE(ComputeSpectralMagnitudes(signal, Options(SpectralWindow::None, 3), padded));
    EXPECT_FALSE(
        ComputeSpectralMagnitudes(signal, Options(SpectralWindow::Exponential, 2, 0.0), padded));
}

TEST_F(SpectralOptionsTest, SineBetweenBinsIsFoundCloserWithHannAndPadding) {
    // Undamped sines half-way and a third of the way between two bins of the plain axis.
    WriteProfile(1, kInterval, kSamples, 1);
    const double step = MakeFrequencyAxis(kSamples, kInterval).ResampledStep;
    const auto worstError = [&](const SpectralOptions& options) {
        double worst = 0.0;
        for (const double offset : {0.5, 0.33, 0.25}) {
            const double hz = (110.0 + offset) * step;
            WriteSine(0, hz, 1000.0);
            worst = std::max(worst, std::abs(ReportedFrequency(options) - hz) / step);
        }
        return worst;
    };
    const double plain = worstError({});
    const struct {
        SpectralOptions options;
        double bound;  // of the error, in bins of the plain axis
    } cases[] = {
        {Options(SpectralWindow::None, 4), plain / 20},
        {Options(SpectralWindow::Hann, 1), plain / 5},
        {Options(SpectralWindow::Hann, 2), plain / 20},
        {Options(SpectralWindow::Hann, 4), plain / 100},
        {Options(SpectralWindow::Hann, 8), plain / 1000},
    };
    for (const auto& c : cases) {
        const double error = worstError(c.options);
        EXPECT_LT(error, c.bound) << static_cast<int>(c.options.Window) << " x" << c.options.ZeroPad
                                  << ": " << error << " vs " << plain;
    }
}

TEST_F(SpectralOptionsTest, EveryModeAndTheMapUseTheOptionsAndTheKeptSpectraKeyOnThem) {
    // Two points of two hits, 256-sample traces (picosecond axis: only the shape counts).
    WriteProfile(4, 20, 256, 2);
    for (std::size_t r = 0; r < 4; ++r) {
        WriteTrace(r, Sine(9.3 + r, 1.0 + r, 256));
    }
    const SpectralOptions padded = Options(SpectralWindow::Hann, 8);
    const std::uint32_t plainBins = kResampleFactor * 256 / 2 + 1;
    const std::uint32_t paddedBins = kResampleFactor * 256 * 8 / 2 + 1;
    for (const std::int32_t mode : {kSingleTrace, kAveragedSpectrum, kSpectrumProduct}) {
        AnalysisRequest request = NewRequest(mode, 2, 1);
        request.Spectral = padded;
        ASSERT_TRUE(ComputeSpectra(profile_, buffers_, request)) << mode;
        // Every padded bin written and normalised (a product's largest may lie below 1).
        const auto first = buffers_.SelectionSpectrum.begin();
        EXPECT_LE(*std::max_element(first, first + paddedBins), 1.0f) << mode;
        EXPECT_GT(*std::max_element(first, first + paddedBins), 0.5f) << mode;
        EXPECT_GT(*std::min_element(first, first + paddedBins), 0.0f) << mode;
    }

    // The map: the rows grow to the padded bins, and the kept spectra are those of the
    // options asked for, never of the last ones.
    const auto rows = [this](std::uint32_t bins) {
        std::vector<double> values;
        for (std::uint32_t j = 0; j < 2; ++j) {
            const auto first = buffers_.ProfileSpectrumGrid.begin() + j * buffers_.GridStride;
            values.insert(values.end(), first, first + bins);
        }
        return values;
    };
    ASSERT_TRUE(ComputeProfileSpectra(profile_, buffers_, false));
    const std::vector<double> plain = rows(plainBins);
    // A window alone keeps the bin count: the key must tell the options apart.
    ASSERT_TRUE(ComputeProfileSpectra(profile_, buffers_, false, Options(SpectralWindow::Hann, 1)));
    EXPECT_NE(rows(plainBins), plain);
    ASSERT_TRUE(ComputeProfileSpectra(profile_, buffers_, false));
    EXPECT_EQ(rows(plainBins), plain);
    ASSERT_TRUE(ComputeProfileSpectra(profile_, buffers_, false, padded));
    const std::vector<double> windowed = rows(paddedBins);
    EXPECT_NE(std::vector<double>(windowed.begin(), windowed.begin() + plainBins),
              std::vector<double>(plain.begin(), plain.begin() + plainBins));
    ASSERT_TRUE(ComputeProfileSpectra(profile_, buffers_, false));
    EXPECT_EQ(rows(plainBins), plain);
    ASSERT_TRUE(ComputeProfileSpectra(profile_, buffers_, false, padded));
    EXPECT_EQ(rows(paddedBins), windowed);
    // Bins beyond a grid row of the plain layout widen the rows.
    WriteProfile(4, 20, 600, 2);
    for (std::size_t r = 0; r < 4; ++r) {
        WriteTrace(r, Sine(9.3 + r, 1.0 + r, 600));
    }
    ASSERT_TRUE(ComputeProfileSpectra(profile_, buffers_, false, Options(SpectralWindow::None, 8)));
    EXPECT_EQ(buffers_.GridStride, kResampleFactor * 600 * 8 / 2 + 1);
    AnalysisRequest map = NewRequest(kProfileSpectrum);
    map.Spectral = Options(SpectralWindow::None, 8);
    map.FMax = 2000000000;
    EXPECT_TRUE(RunAnalysis(profile_, buffers_, flags_, map, nullptr).Ran);
}

}  // namespace
}  // namespace karvelo::testing
