#include "plot/colour_bar.h"

#include "plot/palette.h"

namespace karvelo {

void DrawColourBar(Surface& surface) {
    for (int i = 0; i < kColourBarColumns; ++i) {
        const int index = i == kColourBarColumns - 1 ? kSpectrumMaxIndex
                                                     : i * kSpectrumMaxIndex / kColourBarColumns;
        const Colour colour = PaletteColour(kSpectrumPalette, index);
        for (int y = kColourBarTop; y < kColourBarTop + kColourBarHeight; ++y) {
            surface.SetPixel(kColourBarLeft + i, y, colour);
        }
    }
}

}  // namespace karvelo
