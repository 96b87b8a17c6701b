#include "analysis/peaks.h"

#include <gtest/gtest.h>

#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis_test_support.h"

namespace karvelo {
namespace {

class PeaksTest : public testing::AnalysisTest {
  protected:
    // SelectionSpectrum = values, BinFrequencies[i] = 10 i, then the search.
    static void Search(const std::vector<float>& values) {
        for (std::size_t i = 0; i < values.size(); ++i) {
            SelectionSpectrum[i] = values[i];
            BinFrequencies[i] = static_cast<std::uint32_t>(10 * i);
        }
        FindLocalMaxima(static_cast<std::uint32_t>(values.size()));
    }

    static std::vector<std::uint32_t> FoundBins() {
        return {PeakBins.begin(), PeakBins.begin() + PeakCount};
    }
};

TEST_F(PeaksTest, FindsTheMaximaOfEachShape) {
    struct Case {
        const char* name;
        std::vector<float> spectrum;
        std::vector<std::uint32_t> bins;
    };
    const Case cases[] = {
        {"two sharp maxima", {0.2f, 0.5f, 0.3f, 0.6f, 0.1f}, {1, 3}},
        {"flat start that falls", {0.5f, 0.5f, 0.2f, 0.1f}, {1}},
        {"flat start that rises", {0.5f, 0.5f, 0.7f, 0.1f}, {2}},
        {"falling from bin 0", {0.9f, 0.5f, 0.3f, 0.1f}, {}},
        {"rising to the last bin", {0.1f, 0.2f, 0.3f, 0.4f}, {}},
        {"plateau inside", {0.1f, 0.4f, 0.4f, 0.4f, 0.2f}, {3}},
        {"plateau reaching the last bin", {0.1f, 0.2f, 0.4f, 0.4f}, {2}},
        {"constant spectrum", {0.3f, 0.3f, 0.3f, 0.3f}, {2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Search(c.spectrum);
        EXPECT_EQ(FoundBins(), c.bins);
    }
}

TEST_F(PeaksTest, FlatMaximumLiesAtTheTruncatedMeanOfItsEdgeFrequencies) {
    // Bins 1 to 3 form the plateau: frequencies 15, 31, 47 give (15 + 47) / 2 = 31;
    // the flat start 0, 15 gives 7.
    const std::vector<float> values = {0.1f, 0.4f, 0.4f, 0.4f, 0.2f, 0.2f, 0.2f, 0.1f};
    const std::uint32_t frequencies[] = {0, 15, 31, 47, 63, 78, 94, 110};
    for (std::size_t i = 0; i < values.size(); ++i) {
        SelectionSpectrum[i] = values[i];
        BinFrequencies[i] = frequencies[i];
    }
    FindLocalMaxima(static_cast<std::uint32_t>(values.size()));
    ASSERT_EQ(FoundBins(), (std::vector<std::uint32_t>{3}));
    EXPECT_EQ(PeakFrequencies[0], 31u);

    SelectionSpectrum[0] = 0.4f;
    FindLocalMaxima(static_cast<std::uint32_t>(values.size()));
    ASSERT_EQ(FoundBins(), (std::vector<std::uint32_t>{3}));
    EXPECT_EQ(PeakFrequencies[0], 23u);  // flat start 0 .. 3: (0 + 47) / 2
}

TEST_F(PeaksTest, ListShowsTheMaximaInsideTheBandInExponentNotation) {
    Search({0.1f, 0.3f, 0.2f, 1.0f, 0.5f, 0.7f, 0.1f, 0.25f, 0.2f});
    ASSERT_EQ(FoundBins(), (std::vector<std::uint32_t>{1, 3, 5, 7}));
    AnalysisRequest request;
    request.Controls = &controls_;
    request.SpectrumMode = kSpectrumProduct;

    FillPeakList(request, 3, 5);
    EXPECT_EQ(controls_.peakLines,
              (std::vector<std::string>{"(30;1.000e+000)", "(50;7.000e-001)"}));
    EXPECT_EQ(controls_.selectedLine, 0);

    // Maxima below the band stay in the arrays but are not listed.
    FillPeakList(request, 6, 8);
    EXPECT_EQ(controls_.peakLines, (std::vector<std::string>{"(70;2.500e-001)"}));
    EXPECT_EQ(PeakCount, 4u);
}

TEST_F(PeaksTest, ListIsEmptyInProfileModeAndWhenNoMaximumIsInTheBand) {
    Search({0.1f, 0.3f, 0.2f, 1.0f, 0.5f});
    AnalysisRequest request;
    request.Controls = &controls_;
    controls_.AddPeakLine("stale");

    request.SpectrumMode = kProfileSpectrum;
    FillPeakList(request, 0, 4);
    EXPECT_TRUE(controls_.peakLines.empty());
    EXPECT_EQ(controls_.selectedLine, -1);

    request.SpectrumMode = kSingleTrace;
    FillPeakList(request, 4, 4);
    EXPECT_TRUE(controls_.peakLines.empty());
    EXPECT_EQ(controls_.clearCount, 2);
}

TEST_F(PeaksTest, ThicknessOrVelocityFromTheClickedFrequency) {
    struct Case {
        std::int32_t thicknessGiven;
        float given;
        double frequency;
        float derived;
    };
    const Case cases[] = {
        {0, 4000.0f, 2000.0, 1.0f},   // velocity 4000 m/s at 2 kHz: thickness 1 m
        {1, 0.25f, 2000.0, 1000.0f},  // thickness 0.25 m at 2 kHz: velocity 1000 m/s
        {0, 4000.0f, 1575.0, 4000.0f / 3150.0f},
        {1, 0.25f, 0.0, 0.0f},  // a velocity of 0 at 0 Hz is still computed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.given << " at " << c.frequency);
        AnalysisRequest request;
        request.Controls = &controls_;
        request.ThicknessGiven = c.thicknessGiven;
        request.VelocityOrThickness = c.given;
        request.DerivedValue = -1.0f;
        DeriveThicknessOrVelocity(request, c.frequency);
        EXPECT_FLOAT_EQ(request.DerivedValue, c.derived);
    }
}

TEST_F(PeaksTest, ZeroFrequencyWithAVelocityHidesTheDerivedValue) {
    AnalysisRequest request;
    request.Controls = &controls_;
    request.VelocityOrThickness = 4000.0f;
    request.DerivedValue = 7.0f;
    controls_.ShowStatic(AnalysisStatic::Derived, true);
    controls_.ShowStatic(AnalysisStatic::DerivedCaption, true);

    DeriveThicknessOrVelocity(request, 0.0);
    EXPECT_EQ(request.DerivedValue, 7.0f);
    EXPECT_FALSE(controls_.IsShown(AnalysisStatic::Derived));
    EXPECT_FALSE(controls_.IsShown(AnalysisStatic::DerivedCaption));
}

}  // namespace
}  // namespace karvelo
