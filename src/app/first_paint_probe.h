// For the start-up benchmark: once a window has painted itself for the first time,
// prints "first paint" on standard output and quits the program.
#pragma once

#include <QObject>

class QWidget;

namespace karvelo {

class FirstPaintProbe : public QObject {
  public:
    explicit FirstPaintProbe(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    bool seen_ = false;
};

}  // namespace karvelo
