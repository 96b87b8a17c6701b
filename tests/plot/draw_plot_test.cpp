// Frames, captions, ticks and labels of the program's panels.
#include "plot/draw_plot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plot/plot_panels.h"
#include "plot/point_columns.h"
#include "plot_test_support.h"

namespace karvelo {
namespace {

using testing::AxisWords;
using testing::RecordedText;

class DrawPlotTest : public testing::PlotTest {
  protected:
    // Columns of the frame's top edge (top) or rows of its right edge with a tick outside.
    std::vector<int> Ticks(const PlotLayout& l, bool top) const {
        const auto out = [&](int p, int d) {
            return top ? surface.PixelAt(p, l.FrameTop() - d)
                       : surface.PixelAt(l.FrameRight() + d, p);
        };
        std::vector<int> ticks;
        for (int p = top ? l.FrameLeft() : l.FrameTop();
             p <= (top ? l.FrameRight() : l.FrameBottom()); ++p) {
            if (out(p, 1) == kBlack) {
                EXPECT_EQ(out(p, kTickLength - 1), kBlack) << p;
                EXPECT_EQ(out(p, kTickLength), kWhite) << p;
                ticks.push_back(p);
            }
        }
        return ticks;
    }
    std::vector<int> TopTicks(const PlotLayout& layout) const { return Ticks(layout, true); }
    std::vector<int> RightTicks(const PlotLayout& layout) const { return Ticks(layout, false); }

    // The frame's four edges in black, nothing just below it or left of it.
    void ExpectFrame(const PlotLayout& l) const {
        const int width = l.FrameRight() - l.FrameLeft() + 1;
        const int height = l.FrameBottom() - l.FrameTop() + 1;
        for (const int y : {l.FrameTop(), l.FrameBottom()}) {
            EXPECT_EQ(PaintedIn(l.FrameLeft(), y, l.FrameRight(), y), width) << y;
        }
        for (const int x : {l.FrameLeft(), l.FrameRight()}) {
            EXPECT_EQ(PaintedIn(x, l.FrameTop(), x, l.FrameBottom()), height) << x;
        }
        EXPECT_EQ(
            PaintedIn(l.FrameLeft(), l.FrameBottom() + 1, l.FrameRight(), l.FrameBottom() + 1), 0);
        EXPECT_EQ(PaintedIn(l.FrameLeft() - 1, l.FrameTop(), l.FrameLeft() - 1, l.FrameBottom()),
                  0);
    }

    // The six axis labels right of the frame, 15 pixels above their ticks, top first.
    std::vector<std::string> AxisLabelsDownTheRightEdge(const PlotLayout& layout) const {
        std::vector<std::string> labels;
        for (int n = 0; n < 6; ++n) {
            labels.push_back(
                painter.TextAt(layout.FrameRight() + 25, layout.FrameTop() - 15 + 50 * n)
                    .value_or("missing"));
        }
        return labels;
    }
};

// first, first + step, ... (count of them).
std::vector<int> Steps(int first, int step, int count) {
    std::vector<int> values;
    for (int n = 0; n < count; ++n) {
        values.push_back(first + step * n);
    }
    return values;
}

// Labels along row y at x = first, first + step, ...
std::vector<RecordedText> Labels(int first, int step, int y,
                                 const std::vector<std::string>& texts) {
    std::vector<RecordedText> labels;
    for (std::size_t n = 0; n < texts.size(); ++n) {
        labels.push_back({first + step * static_cast<int>(n), y, texts[n]});
    }
    return labels;
}

TEST_F(DrawPlotTest, TracePanelOfTwentyTracesHasSixTimeTicksAndOneTickPerTrace) {
    const PlotLayout layout = TracePanelLayout(2048, 1);
    DrawSeries(layout, PlotMode::Wiggle,
               std::vector<std::vector<float>>(20, std::vector<float>(2048)),
               AxisWords(0, 1, 2048));
    ExpectFrame(layout);
    EXPECT_EQ(RightTicks(layout), Steps(60, 50, 6));
    EXPECT_EQ(TopTicks(layout).size(), 20U);
    EXPECT_EQ(AxisLabelsDownTheRightEdge(layout),
              (std::vector<std::string>{"0", "409", "818", "1227", "1636", "2045"}));
    EXPECT_EQ(painter.TextAt(225, 15), "Trace number");
    EXPECT_EQ(painter.TextAt(1170, 20), "Time, mks.");
}

TEST_F(DrawPlotTest, SpectrumPanelHasNineFrequencyTicksAndSixAmplitudeTicks) {
    const PlotLayout layout = SpectrumPanelLayout(5.0f);
    std::vector<float> spectrum(401);
    for (std::size_t i = 0; i < spectrum.size(); ++i) {
        spectrum[i] = static_cast<float>(i) / 400.0f;
    }
    DrawSeries(layout, PlotMode::Curve, {spectrum}, AxisWords(1000, 5, 401));
    ExpectFrame(layout);
    EXPECT_EQ(TopTicks(layout), Steps(225, 50, 9));
    EXPECT_EQ(RightTicks(layout), Steps(370, 50, 6));
    EXPECT_EQ(painter.TextsOnRow(345),
              Labels(225, 50, 345,
                     {"1000", "1250", "1500", "1750", "2000", "2250", "2500", "2750", "3000"}));
    EXPECT_EQ(painter.TextAt(650, 620), "0.000e+000");
    EXPECT_EQ(painter.TextAt(650, 570), "2.000e-001");
    EXPECT_EQ(painter.TextAt(650, 370), "1.000e+000");
    EXPECT_EQ(painter.TextAt(225, 325), "Frequency,Hz.");
}

TEST_F(DrawPlotTest, ProfileMapHasSixFrequencyTicksAndOnePointTickPerLabelledPoint) {
    const PlotLayout layout = ProfileMapLayout(100.0f);
    std::vector<double> matrix(std::size_t{800} * 3, 1.0);
    PlotData data;
    data.Rows = matrix.data();
    data.RowsMax = 1.0;
    data.ColumnsPerLabel = ColumnsPerPoint(800, 10);
    const auto* first = reinterpret_cast<const std::uint8_t*>(matrix.data());
    DrawPlot(surface, layout, PlotMode::ColourMap,
             {first, 3 * sizeof(double), kFormatDoubleRows, 800}, AxisWords(0, 100, 3), data);
    EXPECT_EQ(RightTicks(layout), Steps(370, 50, 6));
    EXPECT_EQ(TopTicks(layout), Steps(325, 89, 9));
    EXPECT_EQ(painter.TextsOnRow(345),
              Labels(325, 89, 345, {"0", "1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(AxisLabelsDownTheRightEdge(layout),
              (std::vector<std::string>{"0", "40", "80", "120", "160", "200"}));
    EXPECT_EQ(painter.TextAt(325, 325), "Point number");
}

TEST_F(DrawPlotTest, CorrelationCurveLabelsNegativeLags) {
    std::vector<std::uint32_t> lags(101);
    for (std::size_t i = 0; i < lags.size(); ++i) {
        lags[i] = static_cast<std::uint32_t>((static_cast<int>(i) - 50) * 2);
    }
    DrawSeries(CorrelationPanelLayout(2), PlotMode::Curve, {std::vector<float>(101, 0.0f)}, lags);
    // 100 intervals of 2 us over 400 pixels: 25 us per tick.
    EXPECT_EQ(painter.TextAt(225, 45), "-100");
    EXPECT_EQ(painter.TextAt(325, 45), "-50");
}

TEST_F(DrawPlotTest, WithEveryFlagClearedOnlyTheSeriesIsDrawnAndCaptionsAreCut) {
    PlotLayout layout = TracePanelLayout(2048, 1);
    layout.DrawFrame = false;
    layout.ShowXCaption = false;
    layout.ShowYCaption = false;
    layout.AxisTicks = false;
    layout.SeriesTicks = false;
    PlotData data;
    data.RangeMax = EncodeSample(kFormatIeeeFloat, 1.0);
    DrawSeries(layout, PlotMode::Density,
               {std::vector<float>(3, 1.0f), std::vector<float>(3, 1.0f)}, AxisWords(0, 1, 3),
               data);
    EXPECT_TRUE(painter.texts.empty());
    // Three rows of 450 interpolated columns for trace 0 and one column for trace 1.
    EXPECT_EQ(PaintedIn(0, 0, surface.Width() - 1, surface.Height() - 1), 3 * 451);

    Clear();
    layout = SpectrumPanelLayout(1.0f);
    layout.XCaption = "Частота колебаний, Гц";  // 21 characters
    DrawSeries(layout, PlotMode::Curve, {std::vector<float>(2, 0.0f)}, AxisWords(0, 1, 2));
    EXPECT_EQ(painter.TextAt(225, 325), "Частота колебаний, ");
}

}  // namespace
}  // namespace karvelo
