// Tools > "Отчёт по профилю": the per-point report as a sortable table (columns in words
// with units, in the interface language) that copies to the clipboard, the design
// thickness and its tolerance that mark every point, the summary, and under it the value
// along the line with its +- and the tolerance band. The object block is the one entered
// last, kept from one start to the next.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "app/surface_text_painter.h"
#include "plot/surface.h"
#include "report/line_report.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace karvelo {

class ProfileReportWindow : public QDialog {
  public:
    // selectPoint is called with the 0-based point of a clicked row, savePdf by
    // "Сохранить PDF…" with the report as the window shows it.
    ProfileReportWindow(QWidget* parent, const std::vector<PointReport>& rows,
                        const ReportSettings& settings,
                        std::function<void(std::uint32_t)> selectPoint,
                        std::function<void(const LineReport&)> savePdf);

    QTableWidget* Table() const { return table_; }
    const Surface& DrawingSurface() const { return surface_; }
    const LineReport& Report() const { return report_; }
    // The summary as "name: value" lines, the verdict last.
    const QString& SummaryText() const { return summaryText_; }

    // The selected cells as tab-separated lines, a row per line.
    QString SelectedText() const;

  protected:
    // Ctrl+C in the table copies the selected cells.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The table, the summary and the curve follow a change of the interface language.
    void changeEvent(QEvent* event) override;

  private:
    // Reads the design fields; a bad one is named in the status line and changes nothing.
    void ApplyChecks();
    void Refresh();
    void FillTable();
    void DrawCurve();
    void EditObject();

    std::vector<PointReport> rows_;
    ReportSettings settings_;
    LineReport report_;
    QTableWidget* table_;
    QLineEdit* design_;
    QLineEdit* tolerance_;
    QLineEdit* outlierShare_;
    QLabel* status_;
    QWidget* summaryBox_;
    QGridLayout* summaryGrid_;
    QString summaryText_;
    Surface surface_;
    SurfaceTextPainter textPainter_;
    QLabel* curve_;
};

}  // namespace karvelo
