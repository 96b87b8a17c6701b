// The trace panel in its two modes: wiggle curves and the grey density image.
#include <gtest/gtest.h>

#include <vector>

#include "plot/draw_plot.h"
#include "plot/palette.h"
#include "plot/plot_panels.h"
#include "plot_test_support.h"

namespace karvelo {
namespace {

using testing::AxisWords;
using testing::FloatSeries;

Colour Grey(int level) {
    return Rgb(level, level, level);
}

class TraceModesTest : public testing::PlotTest {
  protected:
    // Draws the traces (one sample per row of values) on the trace panel, the samples
    // 1 us apart; density scaled from low (white) to high (black).
    PlotData Draw(PlotMode mode, const std::vector<std::vector<float>>& traces, float low = 0.0f,
                  float high = 1.0f) {
        const PlotLayout layout = TracePanelLayout(2048, 1);
        bytes_ = FloatSeries(traces, kTraceRecordBytes);
        PlotData data;
        data.RangeMin = EncodeSample(kFormatIeeeFloat, low);
        data.RangeMax = EncodeSample(kFormatIeeeFloat, high);
        const auto count = static_cast<std::uint32_t>(traces.size());
        DrawPlot(surface, layout, mode, {bytes_.data(), kTraceRecordBytes, kFormatIeeeFloat, count},
                 AxisWords(0, 1, traces[0].size()), data);
        return data;
    }

    std::vector<std::uint8_t> bytes_;
};

TEST_F(TraceModesTest, TraceCentresAndLabelsFollowThePixelStep) {
    struct Case {
        std::size_t traces;
        int firstCentre;
        int step;
    };
    for (const Case c : {Case{1, 675, 900}, Case{2, 450, 450}, Case{20, 247, 45}}) {
        surface.FillWhite();
        painter.texts.clear();
        Draw(PlotMode::Wiggle, std::vector<std::vector<float>>(c.traces, std::vector<float>(3)));
        const auto labels = painter.TextsOnRow(35);
        ASSERT_EQ(labels.size(), c.traces);
        for (std::size_t k = 0; k < c.traces; ++k) {
            const int centre = c.firstCentre + static_cast<int>(k) * c.step;
            EXPECT_EQ(labels[k].x, centre) << c.traces << " traces, trace " << k;
            EXPECT_EQ(labels[k].text, std::to_string(k));
            // The zero line runs down the centre, from the top edge to the bottom edge.
            EXPECT_EQ(PaintedIn(centre, 61, centre, 309), 249) << c.traces << " traces";
            EXPECT_EQ(PaintedIn(centre + 1, 61, centre + 1, 309), 0) << c.traces << " traces";
        }
    }
}

TEST_F(TraceModesTest, WiggleSpansOneTraceSpacingPerRangeOfTheFirstTrace) {
    // Range 0.5 spread over the 900-pixel spacing of a single trace: -0.25 lies on the
    // frame's left edge, 0.25 on its right edge.
    Draw(PlotMode::Wiggle, {{-0.25f, 0.25f, -0.25f}});
    EXPECT_TRUE(IsBlack(225, 60));
    EXPECT_TRUE(IsBlack(1125, 185));
    // The first stroke climbs 125 rows over 900 columns: 72 columns on, 10 rows down.
    EXPECT_TRUE(IsBlack(225 + 72, 60 + 10));
    EXPECT_TRUE(IsWhite(225 + 72, 60 + 11));
}

TEST_F(TraceModesTest, WiggleOfAFlatFirstTraceLiesOnTheZeroLines) {
    Draw(PlotMode::Wiggle, {{0.5f, 0.5f, 0.5f}, {0.7f, 0.1f, 0.9f}});
    // Inside the frame only the two zero lines are painted.
    EXPECT_EQ(PaintedIn(226, 61, 1124, 309), 2 * 249);
    EXPECT_EQ(PaintedIn(450, 61, 450, 309), 249);
    EXPECT_EQ(PaintedIn(900, 61, 900, 309), 249);
}

TEST_F(TraceModesTest, DensityDrawsTheLargestSampleBlackAndTheSmallestWhite) {
    Draw(PlotMode::Density, {{1.0f, 0.5f, 0.0f}});
    EXPECT_EQ(surface.PixelAt(675, 60), Grey(0));
    EXPECT_EQ(surface.PixelAt(675, 185), Grey(128));
    EXPECT_EQ(surface.PixelAt(675, 310), Grey(255));
    // A single trace is one column wide.
    EXPECT_EQ(PaintedIn(226, 61, 1124, 309), 1);
    EXPECT_TRUE(IsWhite(676, 185));
    EXPECT_TRUE(IsWhite(674, 185));
}

TEST_F(TraceModesTest, DensityInterpolatesTheColumnsBetweenTwoCentres) {
    Draw(PlotMode::Density, {{1.0f, 1.0f}, {0.5f, 0.5f}});
    // Centres at 450 (index 255) and 900 (index 127); row 310 holds the second sample.
    EXPECT_EQ(surface.PixelAt(450, 310), Grey(0));
    for (int j = 1; j < 450; ++j) {
        const int index = (255 * (450 - j) + 127 * j) / 450;
        ASSERT_EQ(surface.PixelAt(450 + j, 310), Grey(255 - index)) << "column " << 450 + j;
    }
    EXPECT_EQ(surface.PixelAt(451, 310), Grey(1));
    EXPECT_EQ(surface.PixelAt(900, 310), Grey(128));
    EXPECT_TRUE(IsBlack(449, 310));  // the frame's bottom edge, left of the first centre
    EXPECT_TRUE(IsBlack(901, 310));
}

TEST_F(TraceModesTest, DensityRowShowsTheLastSampleThatFallsOnIt) {
    // 2048 samples over 250 rows: samples 0..8 fall on row 60, samples 9..16 on row 61.
    struct Case {
        std::size_t hotSample;
        Colour row60;
        Colour row61;
    };
    for (const Case c : {Case{8, Grey(0), Grey(255)}, Case{7, Grey(255), Grey(255)},
                         Case{16, Grey(255), Grey(0)}, Case{9, Grey(255), Grey(255)}}) {
        surface.FillWhite();
        std::vector<float> trace(2048, 0.0f);
        trace[c.hotSample] = 1.0f;
        Draw(PlotMode::Density, {trace});
        EXPECT_EQ(surface.PixelAt(675, 60), c.row60) << "hot sample " << c.hotSample;
        EXPECT_EQ(surface.PixelAt(675, 61), c.row61) << "hot sample " << c.hotSample;
    }
}

TEST_F(TraceModesTest, DensityWithoutARangeIsMiddleGrey) {
    Draw(PlotMode::Density, {{0.2f, 0.3f, 4.0f}, {0.2f, 0.2f, 0.2f}}, 0.2f, 0.2f);
    for (const int y : {60, 185, 310}) {
        EXPECT_EQ(surface.PixelAt(450, y), Grey(128)) << y;
        EXPECT_EQ(surface.PixelAt(675, y), Grey(128)) << y;
        EXPECT_EQ(surface.PixelAt(900, y), Grey(128)) << y;
    }
}

TEST_F(TraceModesTest, DensityKeepsSamplesOutsideTheRangeInsideThePalette) {
    Draw(PlotMode::Density, {{-3.0f, 7.0f}}, 0.0f, 1.0f);
    EXPECT_EQ(surface.PixelAt(675, 60), Grey(255));
    EXPECT_EQ(surface.PixelAt(675, 310), Grey(0));
}

TEST_F(TraceModesTest, SingleSampleTracesStandInTheMiddleOfTheFrame) {
    Draw(PlotMode::Density, {{1.0f}});
    EXPECT_EQ(surface.PixelAt(675, 185), Grey(0));
    EXPECT_EQ(PaintedIn(226, 61, 1124, 309), 1);
    const auto times = painter.TextsOnRow(45);
    ASSERT_EQ(times.size(), 1U);
    EXPECT_EQ(times[0].text, "0");
}

}  // namespace
}  // namespace karvelo
