#include "plot/surface.h"

#include <algorithm>
#include <cstdlib>

namespace karvelo {

namespace {

std::int64_t Limited(int coordinate) {
    return std::clamp(coordinate, -Surface::kCoordinateLimit, Surface::kCoordinateLimit);
}

// Steps i = first..last of a line along its major axis (pixel at major0 + step * i) that
// land inside [0, extent).
struct StepRange {
    std::int64_t first;
    std::int64_t last;
};

StepRange VisibleSteps(std::int64_t major0, std::int64_t step, std::int64_t count,
                       std::int64_t extent) {
    std::int64_t first = 0;
    std::int64_t last = count - 1;
    if (step > 0) {
        first = std::max(first, -major0);
        last = std::min(last, extent - 1 - major0);
    } else {
        first = std::max(first, major0 - (extent - 1));
        last = std::min(last, major0);
    }
    return {first, last};
}

}  // namespace

Surface::Surface(int width, int height)
    : width_(std::max(width, kMinWidth)),
      height_(std::max(height, kMinHeight)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              ToRgb32(kWhite)) {}

void Surface::FillWhite() {
    std::fill(pixels_.begin(), pixels_.end(), ToRgb32(kWhite));
}

Colour Surface::PixelAt(int x, int y) const {
    return Contains(x, y) ? FromRgb32(pixels_[Index(x, y)]) : kNoPixel;
}

void Surface::TraceLine(int x, int y) {
    // Bresenham in closed form: pixel i of the major axis has the minor offset
    // round(i * minorDelta / majorDelta), halves away from the start. Only the steps
    // that land inside the buffer along the major axis are visited, so a line far off
    // the buffer costs nothing.
    const std::int64_t x0 = Limited(position_.x);
    const std::int64_t y0 = Limited(position_.y);
    const std::int64_t dx = Limited(x) - x0;
    const std::int64_t dy = Limited(y) - y0;
    position_ = {x, y};

    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t majorDelta = xMajor ? dx : dy;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const std::int64_t majorLength = std::llabs(majorDelta);
    if (majorLength == 0) {
        return;
    }
    const std::int64_t minorLength = std::llabs(minorDelta);
    const std::int64_t majorStep = majorDelta > 0 ? 1 : -1;
    const std::int64_t minorStep = minorDelta >= 0 ? 1 : -1;
    const std::int64_t major0 = xMajor ? x0 : y0;
    const std::int64_t minor0 = xMajor ? y0 : x0;
    const std::int64_t majorExtent = xMajor ? width_ : height_;
    const std::int64_t minorExtent = xMajor ? height_ : width_;

    const Word word = PenWord();
    const StepRange steps = VisibleSteps(major0, majorStep, majorLength, majorExtent);
    if (steps.first > steps.last) {
        return;
    }
    // The offset (2 i minorLength + majorLength) / (2 majorLength) as quotient and
    // remainder, carried from step to step: the numerator grows by 2 minorLength, at
    // most the divisor, so the quotient grows by 0 or 1.
    const std::int64_t divisor = 2 * majorLength;
    const std::int64_t growth = 2 * minorLength;
    // A line that starts inside the buffer (the usual short segment of a curve) starts
    // at offset 0 with remainder majorLength, which needs no division.
    std::int64_t offset = 0;
    std::int64_t remainder = majorLength;
    if (steps.first > 0) {
        const std::int64_t numerator = steps.first * growth + majorLength;
        offset = numerator / divisor;
        remainder = numerator % divisor;
    }
    for (std::int64_t i = steps.first; i <= steps.last; ++i) {
        if (i > steps.first) {
            remainder += growth;
            if (remainder >= divisor) {
                remainder -= divisor;
                ++offset;
            }
        }
        const std::int64_t minor = minor0 + minorStep * offset;
        if (minor < 0 || minor >= minorExtent) {
            continue;
        }
        const std::int64_t major = major0 + majorStep * i;
        const auto px = static_cast<int>(xMajor ? major : minor);
        const auto py = static_cast<int>(xMajor ? minor : major);
        pixels_[Index(px, py)] = word;
    }
}

void Surface::TextOut(int x, int y, std::string_view text) {
    if (painter_ != nullptr) {
        painter_->DrawText(x, y, text);
    }
}

}  // namespace karvelo
