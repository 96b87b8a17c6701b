#include "analysis/peaks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <span>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/frequency_axis.h"
#include "analysis_test_support.h"

namespace karvelo {
namespace {

class PeaksTest : public testing::AnalysisTest {
  protected:
    // SelectionSpectrum = values over the built-in axis (0, 15, 31, 47, 63, 78, 94, 110,
    // 126 Hz), then the search.
    void Search(const std::vector<float>& values) {
        std::copy(values.begin(), values.end(), buffers_.SelectionSpectrum.begin());
        FillFrequencies(std::span<std::uint32_t>(buffers_.BinFrequencies.data(), values.size()),
                        500000.0 / 31744.0);
        FindLocalMaxima(buffers_, static_cast<std::uint32_t>(values.size()));
    }

    std::vector<std::uint32_t> Found(const auto& found) {
        return {found.begin(), found.begin() + buffers_.PeakCount};
    }
};

TEST_F(PeaksTest, FindsTheMaximaOfEachShape) {
    // A flat maximum lies at its last bin, with the truncated mean of its edge frequencies.
    struct Case {
        const char* name;
        std::vector<float> spectrum;
        std::vector<std::uint32_t> bins, frequencies;
    };
    const Case cases[] = {
        {"two sharp maxima", {0.2f, 0.5f, 0.3f, 0.6f, 0.1f}, {1, 3}, {15, 47}},
        {"flat start that falls", {0.5f, 0.5f, 0.2f, 0.1f}, {1}, {7}},
        {"flat start of four bins", {0.4f, 0.4f, 0.4f, 0.4f, 0.2f}, {3}, {23}},
        {"flat start that rises", {0.5f, 0.5f, 0.7f, 0.1f}, {2}, {31}},
        {"falling from bin 0", {0.9f, 0.5f, 0.3f, 0.1f}, {}, {}},
        {"a flat step on the way down", {0.9f, 0.5f, 0.5f, 0.1f}, {}, {}},
        {"rising to the last bin", {0.1f, 0.2f, 0.3f, 0.4f}, {}, {}},
        {"plateau inside", {0.1f, 0.4f, 0.4f, 0.4f, 0.2f}, {3}, {31}},
        {"plateau reaching the last bin", {0.1f, 0.2f, 0.4f, 0.4f}, {2}, {39}},
        {"constant spectrum", {0.3f, 0.3f, 0.3f, 0.3f}, {2}, {15}},
        // The bin after a plateau that rises again is scanned like any other.
        {"maximum right after a rising plateau", {0.1f, 0.4f, 0.4f, 0.4f, 0.6f, 0.2f}, {4}, {63}},
        {"plateau followed by a higher plateau", {0.1f, 0.4f, 0.4f, 0.6f, 0.6f, 0.2f}, {4}, {55}},
        {"rising plateau, then a sharp peak",
         {0.1f, 0.4f, 0.4f, 0.5f, 0.3f, 0.8f, 0.1f},
         {3, 5},
         {47, 78}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Search(c.spectrum);
        EXPECT_EQ(Found(buffers_.PeakBins), c.bins);
        EXPECT_EQ(Found(buffers_.PeakFrequencies), c.frequencies);
    }
}

TEST_F(PeaksTest, ListShowsTheMaximaInsideTheBandInExponentNotation) {
    Search({0.1f, 0.3f, 0.2f, 1.0f, 0.5f, 0.7f, 0.1f, 0.25f, 0.2f});
    ASSERT_EQ(Found(buffers_.PeakBins), (std::vector<std::uint32_t>{1, 3, 5, 7}));
    AnalysisRequest request = NewRequest(kSpectrumProduct);
    controls_.AddPeakLine("stale");

    FillPeakList(buffers_, request, 3, 5);
    EXPECT_EQ(controls_.peakLines,
              (std::vector<std::string>{"(47;1.000e+000)", "(78;7.000e-001)"}));
    EXPECT_EQ(controls_.selectedLine, 0);

    // Maxima below the band stay in the arrays but are not listed.
    FillPeakList(buffers_, request, 6, 8);
    EXPECT_EQ(controls_.peakLines, (std::vector<std::string>{"(110;2.500e-001)"}));
    EXPECT_EQ(buffers_.PeakCount, 4u);

    // The profile spectrum lists nothing.
    request.SpectrumMode = kProfileSpectrum;
    FillPeakList(buffers_, request, 0, 8);
    EXPECT_TRUE(controls_.peakLines.empty());
    EXPECT_EQ(controls_.selectedLine, -1);
}

// Thickness 2 f / v or velocity 2 f d, or a refusal when it leaves single precision.
TEST_F(PeaksTest, ThicknessOrVelocityFromTheClickedFrequency) {
    constexpr float kLargest = std::numeric_limits<float>::max();
    struct Case {
        std::int32_t thicknessGiven;
        float given;
        double frequency;
        bool accepted;
        float derived;
        bool shown;
        double beta = 1.0;
    };
    const Case cases[] = {
        {0, 4000.0f, 2000.0, true, 1.0f, true},         // 4000 m/s at 2 kHz: 1 m
        {1, 0.25f, 2000.0, true, 1000.0f, true},        // 0.25 m at 2 kHz: 1000 m/s
        {1, 0.25f, 0.0, true, 0.0f, true},              // a velocity of 0 at 0 Hz is still computed
        {0, 4000.0f, 0.0, true, -1.0f, false},          // no thickness at 0 Hz: hidden, left alone
        {0, 4000.0f, 2000.0, true, 0.96f, true, 0.96},  // a plate's shape factor
        {1, 0.25f, 2000.0, true, 1000.0f / 0.96f, true, 0.96},
        {1, kLargest, 0.5, true, kLargest, true},  // exactly the largest float
        {1, 1e36f, 1556.64, false, -1.0f, false},  // 3.1e39 m/s
        {1, -kLargest, 1.0, false, -1.0f, false},  // twice the largest, negative
        {0, kLargest, 0.25, false, -1.0f, false},  // a thickness of twice the largest
        {0, 1.0f, 1e-300, false, -1.0f, false},    // 5e299 m near 0 Hz
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.given << " at " << c.frequency);
        sink_.messages.clear();
        AnalysisRequest request = NewRequest();
        request.ThicknessGiven = c.thicknessGiven;
        request.VelocityOrThickness = c.given;
        request.ShapeFactor = c.beta;
        request.DerivedValue = -1.0f;
        controls_.ShowStatic(AnalysisStatic::Derived, true);
        controls_.ShowStatic(AnalysisStatic::DerivedCaption, true);
        EXPECT_EQ(DeriveThicknessOrVelocity(request, c.frequency), c.accepted);
        EXPECT_FLOAT_EQ(request.DerivedValue, c.derived);
        EXPECT_EQ(sink_.messages.size(), c.accepted ? 0u : 1u);
        EXPECT_EQ(controls_.IsShown(AnalysisStatic::Derived), c.shown);
        EXPECT_EQ(controls_.IsShown(AnalysisStatic::DerivedCaption), c.shown);
    }
}

}  // namespace
}  // namespace karvelo
