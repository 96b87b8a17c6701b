#include "app/surface_print.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>

#include "plot/surface.h"

namespace karvelo {

void PrintSurface(const Surface& surface, const QRect& area, QPrinter& printer) {
    const QImage picture(reinterpret_cast<const uchar*>(surface.Data()), surface.Width(),
                         surface.Height(), static_cast<qsizetype>(surface.BytesPerLine()),
                         QImage::Format_RGB32);
    const QRect source = area.intersected(picture.rect());
    QPainter painter;
    if (source.isEmpty() || !painter.begin(&printer)) {
        return;
    }
    const QRect page = painter.viewport();
    const QSize fitted = source.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), fitted), picture, source);
}

}  // namespace karvelo
