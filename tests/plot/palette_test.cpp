#include "plot/palette.h"

#include <gtest/gtest.h>

#include <limits>

namespace karvelo {
namespace {

struct Anchor {
    int palette;
    int index;
    Colour colour;
};

TEST(PaletteColour, AnchorColoursOfEveryPalette) {
    const Anchor anchors[] = {
        {kGreyPalette, 0, Rgb(255, 255, 255)},       {kGreyPalette, 255, Rgb(0, 0, 0)},
        {kGreyPalette, 127, Rgb(128, 128, 128)},     {kSpectrumPalette, 0, Rgb(0, 0, 0)},
        {kSpectrumPalette, 255, Rgb(0, 0, 255)},     {kSpectrumPalette, 510, Rgb(0, 255, 255)},
        {kSpectrumPalette, 765, Rgb(0, 255, 0)},     {kSpectrumPalette, 1020, Rgb(255, 255, 0)},
        {kSpectrumPalette, 1275, Rgb(255, 0, 0)},    {kSpectrumPalette, 637, Rgb(0, 255, 128)},
        {kSpectrumPalette, 300, Rgb(0, 45, 255)},    {kBlueRedPalette, 0, Rgb(0, 0, 255)},
        {kBlueRedPalette, 255, Rgb(255, 255, 255)},  {kBlueRedPalette, 510, Rgb(255, 0, 0)},
        {kMagentaRedPalette, 0, Rgb(255, 0, 255)},   {kMagentaRedPalette, 85, Rgb(0, 0, 255)},
        {kMagentaRedPalette, 170, Rgb(0, 255, 255)}, {kMagentaRedPalette, 255, Rgb(0, 255, 0)},
        {kMagentaRedPalette, 340, Rgb(255, 255, 0)}, {kMagentaRedPalette, 425, Rgb(255, 0, 0)},
        {kMagentaRedPalette, 100, Rgb(0, 45, 255)},
    };
    for (const Anchor& a : anchors) {
        EXPECT_EQ(PaletteColour(a.palette, a.index), a.colour)
            << "palette " << a.palette << " index " << a.index;
    }
}

TEST(PaletteColour, UnknownPaletteIsBlackAndIndicesStayInRange) {
    EXPECT_EQ(PaletteColour(0, 100), kBlack);
    EXPECT_EQ(PaletteColour(5, 0), kBlack);
    EXPECT_EQ(PaletteColour(kSpectrumPalette, -5), Rgb(0, 0, 0));
    EXPECT_EQ(PaletteColour(kSpectrumPalette, 2000), Rgb(255, 0, 0));
    EXPECT_EQ(PaletteColour(kGreyPalette, 300), Rgb(0, 0, 0));
}

TEST(PaletteTable, HoldsEveryIndexOfItsPalette) {
    for (const int palette :
         {kGreyPalette, kSpectrumPalette, kBlueRedPalette, kMagentaRedPalette}) {
        const auto table = PaletteTable(palette);
        ASSERT_EQ(table.size(), static_cast<std::size_t>(PaletteMaxIndex(palette)) + 1);
        for (std::size_t i = 0; i < table.size(); ++i) {
            ASSERT_EQ(table[i], PaletteColour(palette, static_cast<int>(i))) << palette << " " << i;
        }
    }
}

TEST(ColourScale, TruncatesAndKeepsIndicesInsideThePalette) {
    const ColourScale scale{10.0, 20.0, kSpectrumMaxIndex};
    EXPECT_EQ(scale.IndexFor(10.0), 0);
    EXPECT_EQ(scale.IndexFor(20.0), 1275);
    EXPECT_EQ(scale.IndexFor(15.0), 637);
    EXPECT_EQ(scale.IndexFor(5.0), 0);
    EXPECT_EQ(scale.IndexFor(25.0), 1275);
    EXPECT_EQ(scale.IndexFor(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(ColourScale, DegenerateScaleGivesTheMiddleIndex) {
    EXPECT_EQ((ColourScale{3.0, 3.0, kSpectrumMaxIndex}.IndexFor(3.0)), 637);
    EXPECT_EQ((ColourScale{3.0, 3.0, kGreyMaxIndex}.IndexFor(-1.0e9)), 127);
}

}  // namespace
}  // namespace karvelo
