// Text on the core drawing surface, painted with Qt into the surface's own pixels.
// QtGui only, so that both the desktop program and karvelo-cli (offscreen) use it.
#pragma once

#include <QFont>
#include <QImage>

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "plot/surface.h"
#include "plot/text_painter.h"

namespace karvelo {

class SurfaceTextPainter : public TextPainter {
  public:
    // Wraps surface's pixels (no copy) and installs itself as its text painter. The
    // surface must outlive the painter; the painter uninstalls itself when destroyed.
    explicit SurfaceTextPainter(Surface& surface);
    ~SurfaceTextPainter() override;
    SurfaceTextPainter(const SurfaceTextPainter&) = delete;
    SurfaceTextPainter& operator=(const SurfaceTextPainter&) = delete;

    void DrawText(int x, int y, std::string_view text) override;

    // The surface's pixels as an image (shares the buffer).
    const QImage& Image() const { return image_; }

  private:
    // A label as Qt paints it onto white, with its top-left corner at (0, 0): the
    // smallest block holding every pixel it changes, at (left, top) from the corner.
    struct RenderedLabel {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        std::vector<std::uint32_t> pixels;
        bool usable = false;  // false: paint it with Qt every time
    };

    const RenderedLabel& Rendered(std::string_view text);
    bool CopyOntoWhite(const RenderedLabel& label, int x, int y);

    Surface& surface_;
    QImage image_;
    QFont font_;
    int ascent_ = 0;
    // Labels repeat from one drawing to the next (tick values, captions); found by the
    // text as it comes, without a copy.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    std::unordered_map<std::string, RenderedLabel, TextHash, std::equal_to<>> rendered_;
};

// An image over the surface's pixels without copying them.
QImage WrapSurface(Surface& surface);

}  // namespace karvelo
