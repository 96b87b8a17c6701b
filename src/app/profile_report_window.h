// Tools > "Отчёт по профилю": the per-point report as a sortable table that copies to the
// clipboard, and under it the thickness (or velocity, or the dominant frequency when no
// velocity is given) along the line with its +- band.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "app/surface_text_painter.h"
#include "plot/surface.h"
#include "report/point_report.h"

class QLabel;
class QTableWidget;

namespace karvelo {

class ProfileReportWindow : public QDialog {
  public:
    // selectPoint is called with the 0-based point of a clicked row, savePdf by
    // "Сохранить PDF…".
    ProfileReportWindow(QWidget* parent, const std::vector<PointReport>& rows,
                        const ReportSettings& settings,
                        std::function<void(std::uint32_t)> selectPoint,
                        const std::function<void()>& savePdf);

    QTableWidget* Table() const { return table_; }
    const Surface& DrawingSurface() const { return surface_; }

    // The selected cells as tab-separated lines, a row per line.
    QString SelectedText() const;

  protected:
    // Ctrl+C in the table copies the selected cells.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void DrawCurve(const std::vector<PointReport>& rows, const ReportSettings& settings);

    QTableWidget* table_;
    Surface surface_;
    SurfaceTextPainter textPainter_;
    QLabel* curve_;
};

}  // namespace karvelo
