// The colour bar under the static "Используемая палитра" of the profile-spectrum mode.
#pragma once

#include "plot/surface.h"

namespace karvelo {

// Geometry of the bar, in surface pixels.
inline constexpr int kColourBarLeft = 45;
inline constexpr int kColourBarTop = 490;
inline constexpr int kColourBarColumns = 200;
inline constexpr int kColourBarHeight = 25;

// Draws palette 2 from black (left) to red (right): column i has index
// truncate(i * 1275 / 200), the last column index 1275.
void DrawColourBar(Surface& surface);

}  // namespace karvelo
