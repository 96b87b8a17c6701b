#include "plot/palette.h"

#include <algorithm>
#include <array>

namespace karvelo {

namespace {

// Palettes 2 and 4 run through the same five ramps (blue up, green up, blue down, red
// up, green down); palette 4 starts from magenta and steps three times as fast.
constexpr int kRamp = 255;

constexpr Colour Ramps(int level) {
    if (level <= kRamp) {
        return Rgb(0, 0, level);
    }
    if (level <= 2 * kRamp) {
        return Rgb(0, level - kRamp, kRamp);
    }
    if (level <= 3 * kRamp) {
        return Rgb(0, kRamp, 3 * kRamp - level);
    }
    if (level <= 4 * kRamp) {
        return Rgb(level - 3 * kRamp, kRamp, 0);
    }
    return Rgb(kRamp, 5 * kRamp - level, 0);
}

constexpr Colour MagentaRed(int index) {
    constexpr int kStep = 3;
    constexpr int kFirstBand = kRamp / kStep;  // 85
    if (index <= kFirstBand) {
        return Rgb(kRamp - kStep * index, 0, kRamp);
    }
    return Ramps(kStep * index);
}

constexpr Colour BlueRed(int index) {
    if (index <= kRamp) {
        return Rgb(index, index, kRamp);
    }
    return Rgb(kRamp, kBlueRedMaxIndex - index, kBlueRedMaxIndex - index);
}

constexpr int MaxIndexOf(int palette) {
    switch (palette) {
        case kGreyPalette:
            return kGreyMaxIndex;
        case kSpectrumPalette:
            return kSpectrumMaxIndex;
        case kBlueRedPalette:
            return kBlueRedMaxIndex;
        case kMagentaRedPalette:
            return kMagentaRedMaxIndex;
        default:
            return 0;
    }
}

constexpr Colour ColourOf(int palette, int index) {
    const int i = std::clamp(index, 0, MaxIndexOf(palette));
    switch (palette) {
        case kGreyPalette:
            return Rgb(kGreyMaxIndex - i, kGreyMaxIndex - i, kGreyMaxIndex - i);
        case kSpectrumPalette:
            return Ramps(i);
        case kBlueRedPalette:
            return BlueRed(i);
        case kMagentaRedPalette:
            return MagentaRed(i);
        default:
            return kBlack;
    }
}

template <int Palette>
constexpr auto BuildTable() {
    std::array<Colour, static_cast<std::size_t>(MaxIndexOf(Palette)) + 1> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i) {
        colours[i] = ColourOf(Palette, static_cast<int>(i));
    }
    return colours;
}

constexpr auto kGreyTable = BuildTable<kGreyPalette>();
constexpr auto kSpectrumTable = BuildTable<kSpectrumPalette>();
constexpr auto kBlueRedTable = BuildTable<kBlueRedPalette>();
constexpr auto kMagentaRedTable = BuildTable<kMagentaRedPalette>();
constexpr auto kUnknownTable = BuildTable<0>();

}  // namespace

int PaletteMaxIndex(int palette) {
    return MaxIndexOf(palette);
}

Colour PaletteColour(int palette, int index) {
    return ColourOf(palette, index);
}

std::span<const Colour> PaletteTable(int palette) {
    switch (palette) {
        case kGreyPalette:
            return kGreyTable;
        case kSpectrumPalette:
            return kSpectrumTable;
        case kBlueRedPalette:
            return kBlueRedTable;
        case kMagentaRedPalette:
            return kMagentaRedTable;
        default:
            return kUnknownTable;
    }
}

}  // namespace karvelo
