// Test helper: how much of a rectangle of a surface is drawn on.
#pragma once

#include "plot/colour.h"
#include "plot/surface.h"

namespace karvelo::testing {

// Pixels of the rectangle [left, right] x [top, bottom] (inclusive) that are not white.
inline int InkIn(const Surface& surface, int left, int top, int right, int bottom) {
    int ink = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            ink += surface.PixelAt(x, y) != kWhite ? 1 : 0;
        }
    }
    return ink;
}

}  // namespace karvelo::testing
