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
using testing::FloatSeries;
using testing::RecordedText;

class DrawPlotTest : public testing::PlotTest {
  protected:
    // Columns x of the frame's top edge with a tick above them.
    std::vector<int> TopTicks(const PlotLayout& layout) const {
        std::vector<int> ticks;
        for (int x = layout.FrameLeft(); x <= layout.FrameRight(); ++x) {
            if (IsBlack(x, layout.FrameTop() - 1)) {
                EXPECT_TRUE(IsBlack(x, layout.FrameTop() - kTickLength + 1)) << x;
                EXPECT_TRUE(IsWhite(x, layout.FrameTop() - kTickLength)) << x;
                ticks.push_back(x);
            }
        }
        return ticks;
    }

    // Rows y of the frame's right edge with a tick right of them.
    std::vector<int> RightTicks(const PlotLayout& layout) const {
        std::vector<int> ticks;
        for (int y = layout.FrameTop(); y <= layout.FrameBottom(); ++y) {
            if (IsBlack(layout.FrameRight() + 1, y)) {
                EXPECT_TRUE(IsBlack(layout.FrameRight() + kTickLength - 1, y)) << y;
                EXPECT_TRUE(IsWhite(layout.FrameRight() + kTickLength, y)) << y;
                ticks.push_back(y);
            }
        }
        return ticks;
    }

    void ExpectFrame(const PlotLayout& layout) const {
        for (int x = layout.FrameLeft(); x <= layout.FrameRight(); ++x) {
            ASSERT_TRUE(IsBlack(x, layout.FrameTop())) << x;
            ASSERT_TRUE(IsBlack(x, layout.FrameBottom())) << x;
            ASSERT_TRUE(IsWhite(x, layout.FrameBottom() + 1)) << x;
        }
        for (int y = layout.FrameTop(); y <= layout.FrameBottom(); ++y) {
            ASSERT_TRUE(IsBlack(layout.FrameLeft(), y)) << y;
            ASSERT_TRUE(IsBlack(layout.FrameRight(), y)) << y;
            ASSERT_TRUE(IsWhite(layout.FrameLeft() - 1, y)) << y;
        }
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

    // Texts drawn on row y, as (x, text) pairs.
    std::vector<std::pair<int, std::string>> LabelsOnRow(int y) const {
        std::vector<std::pair<int, std::string>> labels;
        for (const RecordedText& t : painter.TextsOnRow(y)) {
            labels.emplace_back(t.x, t.text);
        }
        return labels;
    }
};

std::vector<int> Every50(int first, int count, int direction = 1) {
    std::vector<int> values;
    for (int n = 0; n < count; ++n) {
        values.push_back(first + direction * 50 * n);
    }
    return values;
}

TEST_F(DrawPlotTest, TracePanelOfTwentyTracesHasSixTimeTicksAndOneTickPerTrace) {
    const PlotLayout layout = TracePanelLayout(2048, 1);
    const auto bytes = FloatSeries(std::vector<std::vector<float>>(20, std::vector<float>(2048)),
                                   kTraceRecordBytes);
    PlotData data;
    DrawPlot(surface, layout, PlotMode::Wiggle, {bytes.data(), kTraceRecordBytes, 1, 20},
             AxisWords(0, 1, 2048), data);

    ExpectFrame(layout);
    EXPECT_EQ(RightTicks(layout), Every50(60, 6));
    EXPECT_EQ(TopTicks(layout).size(), 20U);
    EXPECT_EQ(LabelsOnRow(45)[0], (std::pair<int, std::string>{1150, "0"}));
    EXPECT_EQ(AxisLabelsDownTheRightEdge(layout),
              (std::vector<std::string>{"0", "409", "818", "1227", "1636", "2045"}));
    EXPECT_EQ(painter.TextAt(225, 15), "Trace number");
    EXPECT_EQ(painter.TextAt(1170, 20), "Time, mks.");
    EXPECT_EQ(data.Count, 20U);
}

TEST_F(DrawPlotTest, TracePanelOfShortTracesIsCaptionedInDistance) {
    const PlotLayout layout = TracePanelLayout(1024, 2);
    EXPECT_EQ(layout.XCaption, "Distance, mm.");
    EXPECT_EQ(layout.YCaption, "Time, ps.");
    EXPECT_EQ(layout.AxisStep, 2.0f);
}

TEST_F(DrawPlotTest, SpectrumPanelHasNineFrequencyTicksAndSixAmplitudeTicks) {
    const PlotLayout layout = SpectrumPanelLayout(5.0f);
    std::vector<float> spectrum(401);
    for (std::size_t i = 0; i < spectrum.size(); ++i) {
        spectrum[i] = static_cast<float>(i) / 400.0f;
    }
    const auto bytes = FloatSeries({spectrum}, 0);
    PlotData data;
    DrawPlot(surface, layout, PlotMode::Curve, {bytes.data(), 0, 1, 1}, AxisWords(1000, 5, 401),
             data);

    ExpectFrame(layout);
    EXPECT_EQ(TopTicks(layout), Every50(225, 9));
    EXPECT_EQ(RightTicks(layout), Every50(370, 6));
    std::vector<std::pair<int, std::string>> frequencies;
    for (int n = 0; n < 9; ++n) {
        frequencies.emplace_back(225 + 50 * n, std::to_string(1000 + 250 * n));
    }
    EXPECT_EQ(LabelsOnRow(345), frequencies);
    const char* amplitudes[] = {"0.000e+000", "2.000e-001", "4.000e-001",
                                "6.000e-001", "8.000e-001", "1.000e+000"};
    for (int n = 0; n < 6; ++n) {
        EXPECT_EQ(painter.TextAt(650, 620 - 50 * n), amplitudes[n]) << n;
    }
    EXPECT_EQ(painter.TextAt(225, 325), "Frequency,Hz.");
    EXPECT_EQ(painter.TextAt(670, 330), "Amplitude");
}

TEST_F(DrawPlotTest, ProfileMapHasSixFrequencyTicksAndOnePointTickPerLabelledPoint) {
    const PlotLayout layout = ProfileMapLayout(100.0f);
    std::vector<double> matrix(std::size_t{800} * 3, 1.0);
    PlotData data;
    data.Rows = matrix.data();
    data.RowsMax = 1.0;
    data.ColumnsPerLabel = ColumnsPerPoint(800, 10);
    const auto* first = reinterpret_cast<const std::uint8_t*>(matrix.data());
    DrawPlot(surface, layout, PlotMode::ColourMap, {first, 3 * sizeof(double), 4, 800},
             AxisWords(0, 100, 3), data);

    EXPECT_EQ(RightTicks(layout), Every50(370, 6));
    const std::vector<int> pointTicks = TopTicks(layout);
    std::vector<std::pair<int, std::string>> expected;
    for (int n = 0; n <= 8; ++n) {
        EXPECT_EQ(pointTicks.at(static_cast<std::size_t>(n)), 325 + 89 * n);
        expected.emplace_back(325 + 89 * n, std::to_string(n));
    }
    EXPECT_EQ(pointTicks.size(), 9U);
    EXPECT_EQ(LabelsOnRow(345), expected);
    EXPECT_EQ(AxisLabelsDownTheRightEdge(layout),
              (std::vector<std::string>{"0", "40", "80", "120", "160", "200"}));
    EXPECT_EQ(painter.TextAt(325, 325), "Point number");
    EXPECT_EQ(painter.TextAt(1170, 330), "Frequency,Hz.");
}

TEST_F(DrawPlotTest, CorrelationCurveLabelsNegativeLags) {
    const PlotLayout layout = CorrelationPanelLayout(2);
    const auto bytes = FloatSeries({std::vector<float>(101, 0.0f)}, 0);
    std::vector<std::uint32_t> lags(101);
    for (std::size_t i = 0; i < lags.size(); ++i) {
        lags[i] = static_cast<std::uint32_t>((static_cast<int>(i) - 50) * 2);
    }
    PlotData data;
    DrawPlot(surface, layout, PlotMode::Curve, {bytes.data(), 0, 1, 1}, lags, data);

    ExpectFrame(layout);
    EXPECT_EQ(TopTicks(layout), Every50(225, 9));
    // 100 intervals of 2 us over 400 pixels: 25 us per tick.
    EXPECT_EQ(painter.TextAt(225, 45), "-100");
    EXPECT_EQ(painter.TextAt(325, 45), "-50");
    EXPECT_EQ(painter.TextAt(625, 45), "100");
    EXPECT_EQ(painter.TextAt(225, 25), "Time, mks.");
}

TEST_F(DrawPlotTest, RealAxisValuesAreLabelledInExponentForm) {
    PlotLayout layout = SpectrumPanelLayout(0.5f);
    const auto bytes = FloatSeries({std::vector<float>(9, 1.0f)}, 0);
    std::vector<std::uint32_t> axis(9);
    for (std::size_t i = 0; i < axis.size(); ++i) {
        axis[i] = EncodeSample(kFormatIeeeFloat, 1.0 + 0.5 * static_cast<double>(i));
    }
    PlotData data;
    data.AxisFormat = kFormatIeeeFloat;
    DrawPlot(surface, layout, PlotMode::Curve, {bytes.data(), 0, 1, 1}, axis, data);
    // 8 intervals of 0.5 over 400 pixels: 0.5 per tick, not truncated.
    EXPECT_EQ(painter.TextAt(225, 345), "1.00e+000");
    EXPECT_EQ(painter.TextAt(275, 345), "1.50e+000");
    EXPECT_EQ(painter.TextAt(625, 345), "5.00e+000");

    // Down the right edge the step is truncated before it is multiplied.
    layout = TracePanelLayout(2048, 1);
    layout.AxisStep = 0.75f;
    surface.FillWhite();
    painter.texts.clear();
    const auto trace = FloatSeries({std::vector<float>(11, 0.0f)}, 0);
    std::vector<std::uint32_t> times(11);
    for (std::size_t i = 0; i < times.size(); ++i) {
        times[i] = EncodeSample(kFormatIeeeFloat, 0.75 * static_cast<double>(i));
    }
    DrawPlot(surface, layout, PlotMode::Wiggle, {trace.data(), 0, 1, 1}, times, data);
    // 10 intervals of 0.75 over 250 pixels: 1.5 per tick, truncated to 1.
    EXPECT_EQ(painter.TextAt(1150, 45), "0.00e+000");
    EXPECT_EQ(painter.TextAt(1150, 95), "1.00e+000");
    EXPECT_EQ(painter.TextAt(1150, 295), "5.00e+000");
}

TEST_F(DrawPlotTest, WithEveryFlagClearedOnlyTheSeriesIsDrawn) {
    PlotLayout layout = TracePanelLayout(2048, 1);
    layout.DrawFrame = false;
    layout.ShowXCaption = false;
    layout.ShowYCaption = false;
    layout.AxisTicks = false;
    layout.SeriesTicks = false;
    const auto bytes =
        FloatSeries({std::vector<float>(3, 1.0f), std::vector<float>(3, 1.0f)}, kTraceRecordBytes);
    PlotData data;
    data.RangeMax = EncodeSample(kFormatIeeeFloat, 1.0);
    data.RangeMin = EncodeSample(kFormatIeeeFloat, 0.0);
    DrawPlot(surface, layout, PlotMode::Density, {bytes.data(), kTraceRecordBytes, 1, 2},
             AxisWords(0, 1, 3), data);

    EXPECT_TRUE(painter.texts.empty());
    // Three rows of 450 interpolated columns for trace 0 and one column for trace 1.
    EXPECT_EQ(PaintedIn(0, 0, surface.Width() - 1, surface.Height() - 1), 3 * 451);
    EXPECT_EQ(PaintedIn(450, 60, 900, 60), 451);
    EXPECT_EQ(PaintedIn(450, 185, 900, 185), 451);
    EXPECT_EQ(PaintedIn(450, 310, 900, 310), 451);
}

TEST_F(DrawPlotTest, CaptionsAreCutAtTheirCapacity) {
    PlotLayout layout = SpectrumPanelLayout(1.0f);
    layout.XCaption = "Частота колебаний, Гц";  // 21 characters
    layout.YCaption = "Amplitude";
    const auto bytes = FloatSeries({std::vector<float>(2, 0.0f)}, 0);
    PlotData data;
    DrawPlot(surface, layout, PlotMode::Curve, {bytes.data(), 0, 1, 1}, AxisWords(0, 1, 2), data);
    EXPECT_EQ(painter.TextAt(225, 325), "Частота колебаний, ");
    EXPECT_EQ(painter.TextAt(670, 330), "Amplitude");
}

}  // namespace
}  // namespace karvelo
