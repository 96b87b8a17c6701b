// Tools > "Карта обследования": the survey map of a grid of files in a window. The map
// fills the window and follows its size (scrolling only below the smallest cell), to
// scale once the spacing of rows and columns is typed in. A cell under the mouse or
// clicked shows its position, value and files; a clicked cell is outlined, and
// "Открыть строку" opens its row in the main window with its point chosen. The map
// saves as PNG, CSV and PDF.
#pragma once

#include <QDialog>
#include <QPushButton>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/surface_text_painter.h"
#include "plot/surface.h"
#include "plot/survey_map.h"
#include "report/condition_class.h"
#include "report/survey_grid.h"

class QLabel;
class QLineEdit;
class QScrollArea;

namespace karvelo {

// Asks where to save a file: the offered name and extension; none when cancelled.
using SaveChoice =
    std::function<std::optional<std::string>(const std::string&, const std::string&)>;

class SurveyMapWindow : public QDialog {
  public:
    // openRow is called with the row label and column number of the selected cell when
    // the user asks to open its row; positions give each cell's files; chooseSave asks
    // for the files of the save buttons.
    SurveyMapWindow(QWidget* parent, SurveyGrid grid, std::vector<GridPosition> positions,
                    const SurveyMapStyle& style,
                    std::function<void(const std::string&, std::uint32_t)> openRow,
                    SaveChoice chooseSave);

    const Surface& DrawingSurface() const { return *surface_; }
    const SurveyGrid& Grid() const { return grid_; }
    const SurveyGeometry& Geometry() const { return geometry_; }
    // The widget the map is shown in (its pixels are the surface's, the selection
    // outlined over them).
    QLabel* MapLabel() const { return map_; }
    // The line under the map: the cell under the mouse, or the selected one.
    QString CellText() const;
    QPushButton* OpenRowButton() const { return openRow_; }
    // Puts the velocity and beta the survey was run with into the class fields; the map of
    // classes shows once a design thickness is typed in.
    void OfferClasses(double velocity, double beta);
    // The class map beside the value map (null surface while no design is given), and
    // each cell's class.
    const Surface* ClassSurface() const { return classSurface_.get(); }
    const std::vector<std::optional<ConditionClass>>& Classes() const { return classes_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The text of a cell: "B-2 (0.5 м; 0.3 м): 7600 (Частота, Гц) — B-02.txt"; the
    // distances with a spacing; empty for no cell.
    QString Describe(const std::optional<SurveyCellIndex>& cell) const;
    void Select(const std::optional<SurveyCellIndex>& cell);
    // Lays the map out for the visible area and draws it again.
    void Redraw();
    void ShowMap();
    void ApplySpacing();
    // Reads the design and thresholds of the class fields and classifies the grid again;
    // an empty thickness hides the class map, a bad field is named under the bar.
    void ApplyClasses();
    void SavePng();
    void SaveCsv();
    void SavePdf();

    SurveyGrid grid_;
    std::vector<GridPosition> positions_;
    SurveyMapStyle style_;
    std::optional<SurveySpacing> spacing_;
    SurveyGeometry geometry_;
    std::unique_ptr<Surface> surface_;
    std::unique_ptr<SurfaceTextPainter> textPainter_;
    QLineEdit* rowSpacing_;
    QLineEdit* columnSpacing_;
    QScrollArea* scroll_;
    QWidget* maps_;  // the value map and, with a design, the class map right of it
    QLabel* map_;
    QLabel* classMap_;
    // Design thickness (mm), Cp, beta, and the thresholds: share around f_T (%), the fair
    // range (times f_T), the poor limit (times f_T) and the second-peak share (%).
    std::vector<QLineEdit*> classFields_;
    std::optional<ConditionDesign> design_;
    std::vector<std::optional<ConditionClass>> classes_;
    std::unique_ptr<Surface> classSurface_;
    std::unique_ptr<SurfaceTextPainter> classTextPainter_;
    QLabel* status_;
    QLabel* cellText_;
    QPushButton* openRow_;
    std::optional<SurveyCellIndex> selected_;
    std::function<void(const std::string&, std::uint32_t)> openRowCall_;
    SaveChoice chooseSave_;
};

}  // namespace karvelo
