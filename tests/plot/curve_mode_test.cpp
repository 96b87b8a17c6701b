// The spectrum curve: frequency to the right, amplitude upwards.
#include <gtest/gtest.h>

#include <vector>

#include "plot/draw_plot.h"
#include "plot/plot_panels.h"
#include "plot_test_support.h"

namespace karvelo {
namespace {

using testing::AxisWords;
using testing::FloatSeries;

class CurveModeTest : public testing::PlotTest {
  protected:
    // The spectrum panel without its frame, bins 100 Hz apart from 1000 Hz.
    void Draw(const std::vector<float>& spectrum) {
        layout_ = SpectrumPanelLayout(100.0f);
        layout_.DrawFrame = false;
        const auto bytes = FloatSeries({spectrum}, 0);
        PlotData data;
        DrawPlot(surface, layout_, PlotMode::Curve, {bytes.data(), 0, kFormatIeeeFloat, 1},
                 AxisWords(1000, 100, spectrum.size()), data);
    }

    PlotLayout layout_;
};

TEST_F(CurveModeTest, FirstAndLastBinLieOnTheFrameEdgesAndValuesGrowUpwards) {
    Draw({0.0f, 1.0f, 0.0f});
    EXPECT_TRUE(IsBlack(225, 620));  // first bin, smallest value: bottom-left corner
    EXPECT_TRUE(IsBlack(425, 370));  // middle bin, largest value: top edge
    EXPECT_TRUE(IsBlack(624, 619));  // last stroke ends on the right edge (625, 620)
    EXPECT_TRUE(IsWhite(625, 619));
    EXPECT_TRUE(IsBlack(325, 495));  // half-way up the first stroke
    // The axis lines along the bottom and the left edge.
    EXPECT_EQ(PaintedIn(225, 620, 624, 620), 400);
    EXPECT_EQ(PaintedIn(225, 371, 225, 620), 250);
}

TEST_F(CurveModeTest, FlatCurveIsALineThroughTheMiddleOfTheFrame) {
    Draw(std::vector<float>(5, 0.5f));
    EXPECT_EQ(PaintedIn(225, 495, 624, 495), 400);
    EXPECT_EQ(PaintedIn(226, 371, 624, 619), 399);
    for (int n = 0; n < 6; ++n) {
        EXPECT_EQ(painter.TextAt(650, 620 - 50 * n), "5.000e-001") << n;
    }
}

TEST_F(CurveModeTest, SingleBinDrawsNoStroke) {
    Draw({0.25f});
    EXPECT_EQ(PaintedIn(226, 371, 624, 619), 0);
    EXPECT_EQ(painter.TextAt(225, 345), "1000");
    EXPECT_EQ(painter.TextAt(625, 345), "1000");
}

}  // namespace
}  // namespace karvelo
