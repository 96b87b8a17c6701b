// Text on the core drawing surface, painted with Qt into the surface's own pixels.
// QtGui only, so that both the desktop program and karvelo-cli (offscreen) use it.
#pragma once

#include <QFont>
#include <QImage>

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
    Surface& surface_;
    QImage image_;
    QFont font_;
};

// An image over the surface's pixels without copying them.
QImage WrapSurface(Surface& surface);

}  // namespace karvelo
