#include "app/surface_text_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>

namespace karvelo {

namespace {
constexpr int kLabelPixelSize = 11;
constexpr std::size_t kMaxRenderedLabels = 4096;
}  // namespace

QImage WrapSurface(Surface& surface) {
    return QImage(reinterpret_cast<uchar*>(surface.Data()), surface.Width(), surface.Height(),
                  static_cast<qsizetype>(surface.BytesPerLine()), QImage::Format_RGB32);
}

SurfaceTextPainter::SurfaceTextPainter(Surface& surface)
    : surface_(surface), image_(WrapSurface(surface)), font_(QStringLiteral("DejaVu Sans")) {
    font_.setPixelSize(kLabelPixelSize);
    ascent_ = QFontMetrics(font_, &image_).ascent();
    surface_.SetTextPainter(this);
}

SurfaceTextPainter::~SurfaceTextPainter() {
    surface_.SetTextPainter(nullptr);
}

// Text is painted at whole-pixel positions, so where a label lands on white its pixels
// are those it got on white anywhere else, moved: painted once onto a white scratch
// image, it is copied after that. Anywhere else (over a line, at the surface's edge) Qt
// paints it where it lies.
namespace {

QString TextString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

const SurfaceTextPainter::RenderedLabel& SurfaceTextPainter::Rendered(std::string_view text) {
    const auto found = rendered_.find(text);
    if (found != rendered_.end()) {
        return found->second;
    }
    if (rendered_.size() >= kMaxRenderedLabels) {
        rendered_.clear();
    }
    const QString string = TextString(text);
    RenderedLabel label;
    // Room on every side for overhangs and antialiasing; a label that reaches the
    // scratch image's edge is never copied.
    const int margin = 2 * kLabelPixelSize;
    const QFontMetrics metrics(font_, &image_);
    QImage scratch(metrics.horizontalAdvance(string) + 2 * margin, metrics.height() + 2 * margin,
                   QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        painter.setFont(font_);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(margin, margin + ascent_), string);
    }
    const QRgb white = QColor(Qt::white).rgb();
    int left = scratch.width(), right = -1, top = scratch.height(), bottom = -1;
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x) {
            if (line[x] != white) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    const bool empty = right < 0;
    const bool inside = empty || (left > 0 && top > 0 && right + 1 < scratch.width() &&
                                  bottom + 1 < scratch.height());
    label.usable = inside;
    if (inside && !empty) {
        label.left = left - margin;
        label.top = top - margin;
        label.width = right - left + 1;
        label.height = bottom - top + 1;
        label.pixels.resize(static_cast<std::size_t>(label.width) * label.height);
        for (int y = 0; y < label.height; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(top + y));
            std::copy_n(line + left, label.width,
                        label.pixels.begin() + static_cast<std::ptrdiff_t>(y) * label.width);
        }
    }
    return rendered_.emplace(std::string(text), std::move(label)).first->second;
}

// Copies the label to its place when it fits inside the surface and every pixel it
// covers is white.
bool SurfaceTextPainter::CopyOntoWhite(const RenderedLabel& label, int x, int y) {
    if (!label.usable) {
        return false;
    }
    if (label.pixels.empty()) {
        return true;  // nothing visible to paint
    }
    const int left = x + label.left;
    const int top = y + label.top;
    if (left < 0 || top < 0 || left + label.width > surface_.Width() ||
        top + label.height > surface_.Height()) {
        return false;
    }
    const auto stride = static_cast<std::size_t>(surface_.Width());
    std::uint32_t* first = surface_.Data() + static_cast<std::size_t>(top) * stride + left;
    for (int row = 0; row < label.height; ++row) {
        const std::uint32_t* line = first + row * stride;
        if (std::any_of(line, line + label.width,
                        [](std::uint32_t word) { return word != Surface::ToRgb32(kWhite); })) {
            return false;
        }
    }
    for (int row = 0; row < label.height; ++row) {
        std::copy_n(label.pixels.begin() + static_cast<std::ptrdiff_t>(row) * label.width,
                    label.width, first + row * stride);
    }
    return true;
}

void SurfaceTextPainter::DrawText(int x, int y, std::string_view text) {
    if (CopyOntoWhite(Rendered(text), x, y)) {
        return;
    }
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    // Top-left corner at (x, y), like a text-out with the default alignment.
    painter.drawText(QPoint(x, y + ascent_), TextString(text));
}

}  // namespace karvelo
