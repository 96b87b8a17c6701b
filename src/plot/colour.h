// Colour words as the plotting code hands them around: 0x00BBGGRR, red in the low byte.
#pragma once

#include <cstdint>

namespace karvelo {

using Colour = std::uint32_t;

inline constexpr std::uint32_t kChannelMax = 255;

// The colour word of (red, green, blue), each 0..255.
constexpr Colour Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return (red & kChannelMax) | ((green & kChannelMax) << 8) | ((blue & kChannelMax) << 16);
}

constexpr std::uint32_t RedOf(Colour colour) {
    return colour & kChannelMax;
}
constexpr std::uint32_t GreenOf(Colour colour) {
    return (colour >> 8) & kChannelMax;
}
constexpr std::uint32_t BlueOf(Colour colour) {
    return (colour >> 16) & kChannelMax;
}

inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kWhite = Rgb(kChannelMax, kChannelMax, kChannelMax);

}  // namespace karvelo
