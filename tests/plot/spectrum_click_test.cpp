// A click on the spectrum panel: frequency, nearest bin and what a left click shows.
#include "plot/spectrum_click.h"

#include <gtest/gtest.h>

#include <optional>
#include <span>

#include "analysis/analysis_buffers.h"
#include "analysis/quality.h"
#include "fakes/recording_analysis_controls.h"
#include "plot/plot_panels.h"
#include "plot_test_support.h"

namespace karvelo {
namespace {

using testing::RecordingAnalysisControls;

constexpr double kUntouched = -1.0;

class SpectrumClickTest : public testing::PlotTest {
  protected:
    void SetUp() override {
        PlotTest::SetUp();
        // Five shown bins, 1000 to 1400 Hz, across the frame x 225..625.
        for (std::uint32_t i = 0; i < kBins; ++i) {
            BinFrequencies[i] = 1000 + 100 * i;
        }
        request_.Controls = &controls_;
        request_.ClickFrequency = kUntouched;
        request_.VelocityOrThickness = 4000.0f;
    }

    std::optional<SpectrumHit> Click(int x, int y, std::uint8_t kind = kRequestClick) {
        request_.RequestKind = kind;
        request_.ClickX = x;
        request_.ClickY = y;
        return SpectrumClick(request_, layout_, std::span(BinFrequencies.data(), kBins), 7);
    }

    static constexpr std::uint32_t kBins = 5;
    const PlotLayout layout_ = SpectrumPanelLayout(100.0f);
    RecordingAnalysisControls controls_;
    AnalysisRequest request_;
};

TEST_F(SpectrumClickTest, FrameEdgesGiveTheEndBinsAndHalfWayGivesTheHigherBin) {
    struct Case {
        int x;
        int y;
        double frequency;
        std::size_t bin;
    };
    for (const Case c :
         {Case{225, 370, 1000.0, 0}, Case{625, 620, 1400.0, 4}, Case{275, 400, 1050.0, 1},
          Case{274, 400, 1049.0, 0}, Case{575, 400, 1350.0, 4}}) {
        const auto hit = Click(c.x, c.y);
        ASSERT_TRUE(hit) << c.x << "," << c.y;
        EXPECT_EQ(hit->Frequency, c.frequency) << c.x;
        EXPECT_EQ(hit->Bin, c.bin) << c.x;
    }
}

TEST_F(SpectrumClickTest, OnlyALeftClickInsideTheFrameShowsFrequencyThicknessAndQuality) {
    for (const auto& [x, y] :
         {std::pair{224, 400}, std::pair{626, 400}, std::pair{400, 369}, std::pair{400, 621}}) {
        EXPECT_FALSE(Click(x, y)) << x << "," << y;
    }
    const auto hit = Click(425, 400, kRequestRedraw);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->Bin, 2U);
    EXPECT_EQ(request_.ClickFrequency, kUntouched);
    EXPECT_TRUE(controls_.visibility.empty());

    ASSERT_TRUE(Click(425, 400));
    EXPECT_EQ(request_.ClickFrequency, 1200.0);
    EXPECT_FLOAT_EQ(request_.DerivedValue, 4000.0f / (2.0f * 1200.0f));
    EXPECT_TRUE(controls_.IsShown(AnalysisStatic::Frequency) &&
                controls_.IsShown(AnalysisStatic::DerivedCaption));
    EXPECT_FALSE(controls_.visibility.contains(AnalysisStatic::Quality));

    // With the display on: a peak at band bin 2 (full bin 9), half-power points at 1 and 3.
    const float spectrum[kBins] = {0.1f, 0.5f, 1.0f, 0.5f, 0.1f};
    std::copy(std::begin(spectrum), std::end(spectrum), SpectrumRows.begin());
    PeakCount = 1;
    PeakBins[0] = 2 + 7;
    QualityDisplayOn = true;
    ASSERT_TRUE(Click(425, 400));
    EXPECT_TRUE(controls_.IsShown(AnalysisStatic::Quality));
    EXPECT_FLOAT_EQ(request_.QualityValue, 1200.0f / (1300.0f - 1100.0f));
}

}  // namespace
}  // namespace karvelo
