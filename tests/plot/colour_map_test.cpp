// The profile-spectrum map and its colour bar.
#include <gtest/gtest.h>

#include <vector>

#include "plot/colour_bar.h"
#include "plot/draw_plot.h"
#include "plot/palette.h"
#include "plot/plot_panels.h"
#include "plot/point_columns.h"
#include "plot_test_support.h"

namespace karvelo {
namespace {

using testing::AxisWords;

class ColourMapTest : public testing::PlotTest {
  protected:
    // The map of rows x 3 matrix values(row, column) over columns at 0, 100 and 200 Hz,
    // drawn on rows 370, 495 and 620.
    template <typename Value>
    void Draw(std::uint32_t rows, Value value, std::int32_t columnsPerLabel = 1) {
        constexpr std::size_t kColumns = 3;
        matrix_.assign(rows * kColumns, 0.0);
        for (std::uint32_t k = 0; k < rows; ++k) {
            for (std::size_t j = 0; j < kColumns; ++j) {
                matrix_[k * kColumns + j] = value(k, j);
            }
        }
        PlotData data;
        data.Rows = matrix_.data();
        data.RowsMax = *std::max_element(matrix_.begin(), matrix_.end());
        data.RowsMin = *std::min_element(matrix_.begin(), matrix_.end());
        data.ColumnsPerLabel = columnsPerLabel;
        const auto* first = reinterpret_cast<const std::uint8_t*>(matrix_.data());
        DrawPlot(surface, ProfileMapLayout(100.0f), PlotMode::ColourMap,
                 {first, kColumns * sizeof(double), kFormatDoubleRows, rows},
                 AxisWords(0, 100, kColumns), data);
    }

    std::vector<double> matrix_;
};

TEST_F(ColourMapTest, RowsAreColumnsFromBlackAtTheSmallestToRedAtTheLargest) {
    Draw(800, [](std::uint32_t k, std::size_t j) { return k + 1000.0 * static_cast<double>(j); });
    EXPECT_EQ(surface.PixelAt(325, 370), PaletteColour(kSpectrumPalette, 0));
    EXPECT_EQ(surface.PixelAt(1124, 620), PaletteColour(kSpectrumPalette, 1275));
    // Row 400, column 1: (400 + 1000) * 1275 / 2799.
    EXPECT_EQ(surface.PixelAt(725, 495), PaletteColour(kSpectrumPalette, 1400 * 1275 / 2799));
    // Rows between two matrix columns stay white.
    EXPECT_EQ(PaintedIn(326, 371, 1124, 494), 0);
}

TEST_F(ColourMapTest, EqualValuesColourTheWholeMapInOneColour) {
    Draw(800, [](std::uint32_t, std::size_t) { return 5.0; });
    const Colour middle = PaletteColour(kSpectrumPalette, 637);
    for (int x = 326; x < 1125; ++x) {
        for (const int y : {371, 495, 619}) {
            ASSERT_TRUE(y == 495 ? surface.PixelAt(x, y) == middle : IsWhite(x, y))
                << x << "," << y;
        }
    }
}

TEST_F(ColourMapTest, SingleColumnLiesOnTheMiddleRow) {
    std::vector<double> matrix(800, 0.0);
    matrix[799] = 1.0;
    PlotData data;
    data.Rows = matrix.data();
    data.RowsMax = 1.0;
    const auto* first = reinterpret_cast<const std::uint8_t*>(matrix.data());
    DrawPlot(surface, ProfileMapLayout(0.0f), PlotMode::ColourMap,
             {first, sizeof(double), kFormatDoubleRows, 800}, AxisWords(700, 0, 1), data);
    EXPECT_EQ(surface.PixelAt(325, 495), PaletteColour(kSpectrumPalette, 0));
    EXPECT_EQ(surface.PixelAt(1124, 495), PaletteColour(kSpectrumPalette, 1275));
    EXPECT_EQ(PaintedIn(326, 371, 1124, 619), 799);
    EXPECT_EQ(painter.TextAt(1150, 355), "700");
    EXPECT_EQ(painter.TextAt(1150, 605), "700");
}

TEST_F(ColourMapTest, PointTicksOfTenPointsStandEveryEightyNineRows) {
    EXPECT_EQ(ColumnsPerPoint(800, 10), 89);
    Draw(
        800, [](std::uint32_t, std::size_t) { return 0.0; }, ColumnsPerPoint(800, 10));
    const auto labels = painter.TextsOnRow(345);
    ASSERT_EQ(labels.size(), 9U);
    for (int n = 0; n <= 8; ++n) {
        EXPECT_EQ(labels[static_cast<std::size_t>(n)].x, 325 + 89 * n);
        EXPECT_EQ(labels[static_cast<std::size_t>(n)].text, std::to_string(n));
    }
}

TEST_F(ColourMapTest, SinglePointIsOneTickLabelledZeroOnTheLeftEdge) {
    EXPECT_EQ(ColumnsPerPoint(800, 1), 1);
    EXPECT_EQ(ColumnsPerPoint(800, 0), 1);
    Draw(
        1, [](std::uint32_t, std::size_t j) { return static_cast<double>(j); },
        ColumnsPerPoint(800, 1));
    const auto labels = painter.TextsOnRow(345);
    ASSERT_EQ(labels.size(), 1U);
    EXPECT_EQ(labels[0].x, 325);
    EXPECT_EQ(labels[0].text, "0");
    EXPECT_EQ(surface.PixelAt(325, 620), PaletteColour(kSpectrumPalette, 1275));
    EXPECT_EQ(PaintedIn(326, 371, 1124, 619), 0);
}

TEST_F(ColourMapTest, UnsetLabelSpacingCountsAsOneRowPerLabel) {
    Draw(
        3, [](std::uint32_t k, std::size_t) { return static_cast<double>(k); }, 0);
    const auto labels = painter.TextsOnRow(345);
    ASSERT_EQ(labels.size(), 3U);
    EXPECT_EQ(labels[2].x, 327);
    EXPECT_EQ(labels[2].text, "2");
}

TEST_F(ColourMapTest, ColourBarRunsFromBlackToRed) {
    DrawColourBar(surface);
    EXPECT_EQ(surface.PixelAt(45, 490), Rgb(0, 0, 0));
    EXPECT_EQ(surface.PixelAt(244, 514), Rgb(255, 0, 0));
    // Column 100: index 100 * 1275 / 200 = 637; column 198: index 1262.
    EXPECT_EQ(surface.PixelAt(145, 500), PaletteColour(kSpectrumPalette, 637));
    EXPECT_EQ(surface.PixelAt(243, 500), PaletteColour(kSpectrumPalette, 1262));
    EXPECT_EQ(PaintedIn(0, 0, surface.Width() - 1, surface.Height() - 1), 200 * 25);
    EXPECT_TRUE(IsWhite(44, 500));
    EXPECT_TRUE(IsWhite(245, 500));
    EXPECT_TRUE(IsWhite(100, 489));
    EXPECT_TRUE(IsWhite(100, 515));
}

}  // namespace
}  // namespace karvelo
