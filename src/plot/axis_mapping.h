// The one mapping between axis values (Hz, microseconds, point coordinates, sample
// values) and pixels, its inverse, and the nearest-entry search that turns a value back
// into an index.
#pragma once

#include <cstddef>
#include <span>

#include "plot/plot_layout.h"

namespace karvelo {

// A pixel coordinate from a double: truncated toward zero; NaN and values beyond the
// surface's coordinate limit become the limit, so they land off the surface.
int TruncatePixel(double position);

// Linear map of [First, First + Span] onto [Origin, Origin + Length] pixels. Length may
// be negative (values growing upwards). A degenerate scale (Span 0) puts every value in
// the middle of the pixel range; a degenerate pixel range (Length 0) maps every pixel to
// First.
struct AxisMapping {
    double First = 0.0;
    double Span = 0.0;
    int Origin = 0;
    int Length = 0;

    // Pixel position of value, not yet truncated.
    double PixelFor(double value) const {
        if (Span == 0.0) {
            const int middle = Origin + Length / 2;
            return middle;
        }
        return Origin + (value - First) * Length / Span;
    }

    // Pixel of value, truncated toward zero.
    int PixelAt(double value) const { return TruncatePixel(PixelFor(value)); }

    // Value at pixel position pixel.
    double ValueFor(double pixel) const {
        if (Length == 0) {
            return First;
        }
        return First + (pixel - Origin) * Span / Length;
    }
};

// How the values of a frame axis run.
enum class AxisDirection {
    Rightwards,  // from the frame's left edge to its right edge
    Downwards,   // from the frame's top edge to its bottom edge
};

// The axis along a plot's frame on which first lies on the left (top) edge and largest
// on the right (bottom) edge: axis values of every plot, frequencies of a spectrum click,
// frequencies and point coordinates of the picks.
AxisMapping FrameAxis(const PlotLayout& layout, AxisDirection direction, double first,
                      double largest);

// Index of the entry nearest to target in ascending values: the first entry >= target
// when it equals target, otherwise its predecessor when strictly nearer, else the entry
// itself (a tie goes to the higher entry). A target above every entry gives the last
// index. values must not be empty.
template <typename T>
std::size_t NearestIndex(std::span<const T> values, double target) {
    std::size_t j = 0;
    while (j < values.size() && static_cast<double>(values[j]) < target) {
        ++j;
    }
    if (j == values.size()) {
        return values.size() - 1;
    }
    const double at = static_cast<double>(values[j]);
    if (at == target || j == 0) {
        return j;
    }
    const double before = static_cast<double>(values[j - 1]);
    return target - before < at - target ? j - 1 : j;
}

}  // namespace karvelo
