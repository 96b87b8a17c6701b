// How a trace is prepared for its transform: the window laid over the resampled trace
// and the zeros appended to it.
#pragma once

#include <cstdint>

namespace karvelo {

enum class SpectralWindow : std::uint8_t {
    None,         // the trace as it is
    Hann,         // 0.5 (1 - cos(2 pi i / (n - 1)))
    Exponential,  // exp(-t / (share * record)): 1/e at the given share of the record
};

// Zero-padding factors the program offers: the transform length is this many times the
// resampled trace.
inline constexpr std::uint32_t kZeroPadFactors[] = {1, 2, 4, 8};
inline constexpr std::uint32_t kMaxZeroPad = 8;

inline constexpr double kDefaultDecayShare = 0.25;
// The exponential window's share of the record lies in (0, 1].
inline constexpr double kMinDecayShare = 0.01;

struct SpectralOptions {
    SpectralWindow Window = SpectralWindow::None;
    double DecayShare = kDefaultDecayShare;  // Exponential only
    std::uint32_t ZeroPad = 1;               // one of kZeroPadFactors

    // The described spectrum: no window, no padding (the share then means nothing).
    bool IsDefault() const { return Window == SpectralWindow::None && ZeroPad == 1; }
    bool operator==(const SpectralOptions&) const = default;
};

inline bool IsZeroPadFactor(std::uint32_t factor) {
    for (const std::uint32_t offered : kZeroPadFactors) {
        if (factor == offered) {
            return true;
        }
    }
    return false;
}

inline bool IsDecayShare(double share) {
    return share >= kMinDecayShare && share <= 1.0;
}

}  // namespace karvelo
