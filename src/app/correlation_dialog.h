// The correlation dialog: two signals given by point and trace, the largest lag time or
// the full range, and "Обработать", which draws the correlation curve on the dialog's
// own drawing surface.
#pragma once

#include <QDialog>
#include <QImage>

#include "app/surface_text_painter.h"
#include "plot/surface.h"
#include "session/correlation_run.h"

class QCheckBox;
class QLineEdit;

namespace karvelo {

class CorrelationDialog : public QDialog {
  public:
    // profile is the one the traces are taken from; it must outlive the dialog.
    CorrelationDialog(QWidget* parent, const Profile& profile);

    const Surface& DrawingSurface() const { return surface_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter outside a push button reads the fields and closes, as the dialog's OK would.
    void keyPressEvent(QKeyEvent* event) override;
    // A click on the check box's text toggles it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Reads the fields in exchange order; false after the prompt for a bad text, the
    // fields after it keeping their values.
    bool ReadFields();
    void WriteFields();
    void OnProcess();

    const Profile& profile_;
    CorrelationFields fields_;
    Surface surface_;
    SurfaceTextPainter textPainter_;
    QImage picture_;  // read-only view of surface_'s pixels

    QLineEdit* signal1Point_ = nullptr;
    QLineEdit* signal1Trace_ = nullptr;
    QLineEdit* signal2Point_ = nullptr;
    QLineEdit* signal2Trace_ = nullptr;
    QLineEdit* tMax_ = nullptr;
    QCheckBox* fullRange_ = nullptr;
    QWidget* fullRangeText_ = nullptr;
};

}  // namespace karvelo
