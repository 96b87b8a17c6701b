// The series modes: the grey density image on the trace panel and the spectrum curve
// (frequency to the right, amplitude upwards).
#include <gtest/gtest.h>

#include <vector>

#include "plot/draw_plot.h"
#include "plot/plot_panels.h"
#include "plot_test_support.h"

namespace karvelo {
namespace {

using testing::AxisWords;

class SeriesModesTest : public testing::PlotTest {
  protected:
    // The spectrum panel without its frame, bins 100 Hz apart from 1000 Hz.
    void DrawSpectrum(const std::vector<float>& spectrum) {
        PlotLayout layout = SpectrumPanelLayout(100.0f);
        layout.DrawFrame = false;
        DrawSeries(layout, PlotMode::Curve, {spectrum}, AxisWords(1000, 100, spectrum.size()));
    }
};

TEST_F(SeriesModesTest, DensityGreysFromTheSmallestSampleWhiteToTheLargestBlack) {
    struct Grey {
        int x, y, level;
    };
    struct Case {
        const char* name;
        std::vector<std::vector<float>> traces;
        std::vector<Grey> greys;
        float low = 0.0f, high = 1.0f;
    };
    const Case cases[] = {
        {"one trace", {{1.0f, 0.5f, 0.0f}}, {{675, 60, 0}, {675, 185, 128}, {675, 310, 255}}},
        {"outside the range", {{-3.0f, 7.0f}}, {{675, 60, 255}, {675, 310, 0}}},
        {"columns between two centres",
         {{1.0f, 1.0f}, {0.5f, 0.5f}},
         {{450, 310, 0}, {451, 310, 1}, {675, 310, 64}, {899, 310, 128}, {900, 310, 128}}},
        {"no range",
         {{0.2f, 0.3f, 4.0f}, {0.2f, 0.2f, 0.2f}},
         {{450, 60, 128}, {675, 185, 128}, {900, 310, 128}},
         0.2f,
         0.2f},
        {"single sample", {{1.0f}}, {{675, 185, 0}}},
    };
    for (const Case& c : cases) {
        Clear();
        PlotData data;  // density scaled from low (white) to high (black)
        data.RangeMin = EncodeSample(kFormatIeeeFloat, c.low);
        data.RangeMax = EncodeSample(kFormatIeeeFloat, c.high);
        // On the trace panel, one sample per row of values, the samples 1 us apart.
        DrawSeries(TracePanelLayout(2048, 1), PlotMode::Density, c.traces,
                   AxisWords(0, 1, c.traces[0].size()), data);
        for (const Grey& g : c.greys) {
            EXPECT_EQ(surface.PixelAt(g.x, g.y), Rgb(g.level, g.level, g.level))
                << c.name << " at " << g.x << "," << g.y;
        }
    }
    EXPECT_EQ(PaintedIn(226, 61, 1124, 309), 1);  // a single trace is one column wide
}

TEST_F(SeriesModesTest, SpectrumCurveRunsFromEdgeToEdgeWithValuesGrowingUpwards) {
    DrawSpectrum({0.0f, 1.0f, 0.0f});
    EXPECT_TRUE(IsBlack(225, 620));  // first bin, smallest value: bottom-left corner
    EXPECT_TRUE(IsBlack(425, 370));  // middle bin, largest value: top edge
    EXPECT_TRUE(IsBlack(624, 619));  // last stroke ends on the right edge (625, 620)
    EXPECT_TRUE(IsWhite(625, 619));
    EXPECT_TRUE(IsBlack(325, 495));  // half-way up the first stroke

    Clear();
    DrawSpectrum(std::vector<float>(5, 0.5f));  // flat: a line through the middle
    EXPECT_EQ(PaintedIn(226, 371, 624, 619), 399);
    EXPECT_EQ(PaintedIn(225, 495, 624, 495), 400);
    Clear();
    DrawSpectrum({0.25f});  // a single bin draws no stroke
    EXPECT_EQ(PaintedIn(226, 371, 624, 619), 0);
}

}  // namespace
}  // namespace karvelo
