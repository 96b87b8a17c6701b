// The four palettes of the plots and the scaling of values to palette indices.
#pragma once

#include <span>

#include "plot/colour.h"

namespace karvelo {

// Palette numbers.
inline constexpr int kGreyPalette = 1;        // 0..255: white to black (the density image)
inline constexpr int kSpectrumPalette = 2;    // 0..1275: black, blue, cyan, green, yellow, red
inline constexpr int kBlueRedPalette = 3;     // 0..510: blue, white, red
inline constexpr int kMagentaRedPalette = 4;  // 0..425: magenta, blue, cyan, green, yellow, red

// Largest indices of the palettes.
inline constexpr int kGreyMaxIndex = 255;
inline constexpr int kSpectrumMaxIndex = 1275;
inline constexpr int kBlueRedMaxIndex = 510;
inline constexpr int kMagentaRedMaxIndex = 425;

// Largest index of a palette (0 for an unknown palette).
int PaletteMaxIndex(int palette);

// Colour of index in palette as 0x00BBGGRR. An index outside 0..PaletteMaxIndex is
// clamped into it; an unknown palette gives black.
Colour PaletteColour(int palette, int index);

// Every colour of a palette, entry i = PaletteColour(palette, i), index 0 first; static
// storage. An unknown palette gives the one entry black.
std::span<const Colour> PaletteTable(int palette);

// Scales values onto palette indices: index = truncate((value - Low) * MaxIndex /
// (High - Low)), clamped to 0..MaxIndex. A degenerate scale (High == Low) gives the
// middle index MaxIndex / 2 for every value (MaxIndex when FlatAtTop); NaN gives 0.
struct ColourScale {
    double Low = 0.0;
    double High = 0.0;
    int MaxIndex = 0;
    bool FlatAtTop = false;  // every value was clipped to the top of the scale

    // Inline: the map looks up one index per pixel.
    int IndexFor(double value) const {
        if (High == Low) {
            return FlatAtTop ? MaxIndex : MaxIndex / 2;
        }
        const double scaled = (value - Low) * MaxIndex / (High - Low);
        if (!(scaled > 0.0)) {
            return 0;
        }
        if (scaled >= MaxIndex) {
            return MaxIndex;
        }
        return static_cast<int>(scaled);
    }
};

}  // namespace karvelo
