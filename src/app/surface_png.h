// The drawing surface as a PNG file, in memory.
//
// The file is the one Qt's PNG writer makes of the wrapped surface, byte for byte: 8-bit
// RGB, a pHYs chunk of 3780 pixels per metre, each row's filter chosen as libpng chooses
// it (the least sum of the filtered bytes taken as signed), zlib level 6 with the
// filtered strategy, IDAT chunks of 8192 bytes. Written directly, it takes about half the
// time, most of what is left being zlib's own.
#pragma once

#include <optional>
#include <string>

#include "plot/surface.h"

namespace karvelo {

// The PNG bytes, or nothing when zlib cannot get the memory it needs.
std::optional<std::string> EncodeSurfacePng(const Surface& surface);

}  // namespace karvelo
