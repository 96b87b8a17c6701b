#include "view/form_canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "app/dialog_units.h"

namespace karvelo {

FormCanvas::FormCanvas(const Surface& surface, QSize contentSize, QWidget* parent)
    : QWidget(parent),
      picture_(reinterpret_cast<const uchar*>(surface.Data()), surface.Width(), surface.Height(),
               static_cast<qsizetype>(surface.BytesPerLine()), QImage::Format_RGB32) {
    // Every pixel is painted from the surface: no background erase in between.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setMinimumSize(contentSize);
    // The controls created on the canvas take the forms' font.
    setFont(DialogFont());
}

void FormCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), picture_, area);
    // A form larger than the surface shows white beyond it.
    const QRegion outside = QRegion(area).subtracted(QRegion(picture_.rect()));
    for (const QRect& rest : outside) {
        painter.fillRect(rest, Qt::white);
    }
}

void FormCanvas::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        emit leftPressed(at.x(), at.y());
    } else if (event->button() == Qt::RightButton) {
        emit rightPressed(at.x(), at.y());
    }
    event->accept();
}

void FormCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace karvelo
