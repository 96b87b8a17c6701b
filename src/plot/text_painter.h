// How text reaches the drawing surface: the desktop program paints it with its own font
// into the surface's pixels, the tests record it.
#pragma once

#include <string_view>

namespace karvelo {

class TextPainter {
  public:
    virtual ~TextPainter() = default;
    // Draws text (UTF-8) with its top-left corner at (x, y), surface pixels. Parts that
    // fall outside the surface are dropped by the painter.
    virtual void DrawText(int x, int y, std::string_view text) = 0;
};

}  // namespace karvelo
