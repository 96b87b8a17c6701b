// The palettes as the surface's pixel words, for the modes that colour many pixels.
#pragma once

#include <cstdint>
#include <span>

namespace karvelo {

// Entry i = Surface::ToRgb32(PaletteTable(palette)[i]); converted once, static storage.
std::span<const std::uint32_t> PaletteWords(int palette);

}  // namespace karvelo
