// Tools > "Карта обследования": the survey map of a grid of files in a window. A cell
// under the mouse or clicked shows its position, value and files; a clicked cell is
// outlined, and "Открыть строку" opens its row in the main window with its point chosen.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <functional>
#include <optional>
#include <vector>

#include "app/surface_text_painter.h"
#include "plot/surface.h"
#include "plot/survey_map.h"
#include "report/survey_grid.h"

class QLabel;

namespace karvelo {

class SurveyMapWindow : public QDialog {
  public:
    // openRow is called with the row label and column number of the selected cell when
    // the user asks to open its row; positions give each cell's files.
    SurveyMapWindow(QWidget* parent, SurveyGrid grid, std::vector<GridPosition> positions,
                    const SurveyMapStyle& style,
                    std::function<void(const std::string&, std::uint32_t)> openRow);

    const Surface& DrawingSurface() const { return surface_; }
    const SurveyGrid& Grid() const { return grid_; }
    // The widget the map is shown in (its pixels are the surface's, the selection
    // outlined over them).
    QLabel* MapLabel() const { return map_; }
    // The line under the map: the cell under the mouse, or the selected one.
    QString CellText() const;
    QPushButton* OpenRowButton() const { return openRow_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The text of a cell: "B-02: 7600 Гц — B-02.txt (3 файла)"; empty for no cell.
    QString Describe(const std::optional<SurveyCellIndex>& cell) const;
    void Select(const std::optional<SurveyCellIndex>& cell);
    void ShowMap();

    SurveyGrid grid_;
    std::vector<GridPosition> positions_;
    std::string caption_;
    SurveyGeometry geometry_;
    Surface surface_;
    SurfaceTextPainter textPainter_;
    QLabel* map_;
    QLabel* cellText_;
    QPushButton* openRow_;
    std::optional<SurveyCellIndex> selected_;
    std::function<void(const std::string&, std::uint32_t)> openRowCall_;
};

}  // namespace karvelo
