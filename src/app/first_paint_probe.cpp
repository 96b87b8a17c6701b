#include "app/first_paint_probe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace karvelo {

FirstPaintProbe::FirstPaintProbe(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (!seen_ && event->type() == QEvent::Paint) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == window_) {
            seen_ = true;
            // Every widget of the window paints in this one pass; the timer fires after
            // the pass has been flushed to the screen.
            QTimer::singleShot(0, qApp, [] {
                std::fputs("first paint\n", stdout);
                std::fflush(stdout);
                QApplication::quit();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace karvelo
