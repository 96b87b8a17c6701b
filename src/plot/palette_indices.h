// The palette index of every value of a row of the map, as ColourScale::IndexFor gives
// it, in vector code.
#pragma once

#include <cstddef>
#include <cstdint>

#include "plot/palette.h"

namespace karvelo {

void PaletteIndices(const ColourScale& scale, const double* values, std::size_t count,
                    std::uint16_t* indices);

}  // namespace karvelo
