// The palettes and the profile-spectrum map.
#include <gtest/gtest.h>

#include <vector>

#include "plot/draw_plot.h"
#include "plot/palette.h"
#include "plot/plot_panels.h"
#include "plot_test_support.h"

namespace karvelo {
namespace {

using testing::AxisWords;

struct Anchor {
    int palette;
    int index;
    Colour colour;
};

TEST(PaletteColour, AnchorColoursOfEveryPalette) {
    const Anchor anchors[] = {
        {kGreyPalette, 0, Rgb(255, 255, 255)},      {kGreyPalette, 255, Rgb(0, 0, 0)},
        {kGreyPalette, 127, Rgb(128, 128, 128)},    {kSpectrumPalette, 0, Rgb(0, 0, 0)},
        {kSpectrumPalette, 255, Rgb(0, 0, 255)},    {kSpectrumPalette, 510, Rgb(0, 255, 255)},
        {kSpectrumPalette, 511, Rgb(0, 255, 254)},  {kSpectrumPalette, 765, Rgb(0, 255, 0)},
        {kSpectrumPalette, 1020, Rgb(255, 255, 0)}, {kSpectrumPalette, 1275, Rgb(255, 0, 0)},
        {kSpectrumPalette, 637, Rgb(0, 255, 128)},  {kSpectrumPalette, 300, Rgb(0, 45, 255)},
        {kBlueRedPalette, 0, Rgb(0, 0, 255)},       {kBlueRedPalette, 255, Rgb(255, 255, 255)},
        {kBlueRedPalette, 510, Rgb(255, 0, 0)},     {kMagentaRedPalette, 0, Rgb(255, 0, 255)},
        {kMagentaRedPalette, 85, Rgb(0, 0, 255)},   {kMagentaRedPalette, 170, Rgb(0, 255, 255)},
        {kMagentaRedPalette, 255, Rgb(0, 255, 0)},  {kMagentaRedPalette, 340, Rgb(255, 255, 0)},
        {kMagentaRedPalette, 425, Rgb(255, 0, 0)},  {kMagentaRedPalette, 100, Rgb(0, 45, 255)},
    };
    for (const Anchor& a : anchors) {
        EXPECT_EQ(PaletteColour(a.palette, a.index), a.colour)
            << "palette " << a.palette << " index " << a.index;
    }
}

using ColourMapTest = testing::PlotTest;

TEST_F(ColourMapTest, RowsAreColumnsFromBlackAtTheSmallestToRedAtTheLargest) {
    // 800 rows of 3 columns, value row + 1000 * column, the columns at 0, 100 and 200 Hz
    // (drawn on rows 370, 495 and 620).
    std::vector<double> matrix(800 * 3);
    for (std::size_t i = 0; i < matrix.size(); ++i) {
        matrix[i] = static_cast<double>(i / 3) + 1000.0 * static_cast<double>(i % 3);
    }
    PlotData data;
    data.Rows = matrix.data();
    data.RowsMax = 2799.0;
    data.RowsMin = 0.0;
    DrawPlot(surface, ProfileMapLayout(100.0f), PlotMode::ColourMap,
             {reinterpret_cast<const std::uint8_t*>(matrix.data()), 3 * sizeof(double),
              kFormatDoubleRows, 800},
             AxisWords(0, 100, 3), data);
    EXPECT_EQ(surface.PixelAt(325, 370), PaletteColour(kSpectrumPalette, 0));
    EXPECT_EQ(surface.PixelAt(1124, 620), PaletteColour(kSpectrumPalette, 1275));
    // Row 400, column 1: (400 + 1000) * 1275 / 2799.
    EXPECT_EQ(surface.PixelAt(725, 495), PaletteColour(kSpectrumPalette, 1400 * 1275 / 2799));
    // Rows between two matrix columns stay white.
    EXPECT_EQ(PaintedIn(326, 371, 1124, 494), 0);
}

}  // namespace
}  // namespace karvelo
