#include "app/surface_text_painter.h"

#include <QPainter>
#include <QString>

namespace karvelo {

namespace {
constexpr int kLabelPixelSize = 11;
}  // namespace

QImage WrapSurface(Surface& surface) {
    return QImage(reinterpret_cast<uchar*>(surface.Data()), surface.Width(), surface.Height(),
                  static_cast<qsizetype>(surface.BytesPerLine()), QImage::Format_RGB32);
}

SurfaceTextPainter::SurfaceTextPainter(Surface& surface)
    : surface_(surface), image_(WrapSurface(surface)), font_(QStringLiteral("DejaVu Sans")) {
    font_.setPixelSize(kLabelPixelSize);
    surface_.SetTextPainter(this);
}

SurfaceTextPainter::~SurfaceTextPainter() {
    surface_.SetTextPainter(nullptr);
}

void SurfaceTextPainter::DrawText(int x, int y, std::string_view text) {
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // Top-left corner at (x, y), like a text-out with the default alignment.
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), string);
}

}  // namespace karvelo
