// The form's content widget: it carries the controls and paints the drawing surface
// under them, surface pixel (x, y) at form position (x, y), so the drawing scrolls with
// the controls. Painting copies pixels only; it never computes anything.
#pragma once

#include <QImage>
#include <QWidget>

#include "plot/surface.h"

namespace karvelo {

class FormCanvas : public QWidget {
    Q_OBJECT

  public:
    // surface must outlive the canvas; its pixels are shown without copying.
    FormCanvas(const Surface& surface, QSize contentSize, QWidget* parent = nullptr);

  signals:
    // Mouse presses, in surface pixels.
    void leftPressed(int x, int y);
    void rightPressed(int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second press of a double click does nothing.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QImage picture_;  // read-only view of the surface's pixels
};

}  // namespace karvelo
