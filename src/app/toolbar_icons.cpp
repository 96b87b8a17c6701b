#include "app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace karvelo {

namespace {

constexpr int kIconSize = 16;
constexpr int kAppIconSize = 32;

QPixmap BlankPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

QIcon OpenIcon() {
    QPixmap pixmap = BlankPixmap(kIconSize);
    QPainter painter(&pixmap);
    painter.setPen(QColor(120, 90, 20));
    painter.setBrush(QColor(240, 200, 90));
    // A folder: tab, back and a lowered front flap.
    painter.drawRect(1, 3, 5, 2);
    painter.drawRect(1, 5, 13, 9);
    painter.setBrush(QColor(250, 220, 120));
    painter.drawPolygon(QPolygon({QPoint(3, 8), QPoint(15, 8), QPoint(13, 14), QPoint(1, 14)}));
    return QIcon(pixmap);
}

QIcon AboutIcon() {
    QPixmap pixmap = BlankPixmap(kIconSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(20, 60, 140));
    painter.setBrush(QColor(70, 120, 210));
    painter.drawEllipse(1, 1, 13, 13);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(1, 1, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
    return QIcon(pixmap);
}

QIcon ApplicationIcon() {
    QPixmap pixmap = BlankPixmap(kAppIconSize);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(60, 60, 60));
    painter.setBrush(QColor(190, 190, 185));
    painter.drawRect(1, 20, 30, 10);  // the plate
    // A decaying echo above it.
    QPainterPath echo;
    echo.moveTo(2, 10);
    for (int x = 2; x <= 30; ++x) {
        const double amplitude = 8.0 * (30 - x) / 28.0;
        echo.lineTo(x, 10 + ((x % 4 < 2) ? -amplitude : amplitude));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(200, 40, 40), 1.5));
    painter.drawPath(echo);
    return QIcon(pixmap);
}

}  // namespace karvelo
