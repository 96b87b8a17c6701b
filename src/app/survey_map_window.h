// Tools > "Карта обследования": the survey map of a grid of files in a window; a click on
// a cell opens that cell's row as the profile with its point selected.
#pragma once

#include <QDialog>
#include <functional>

#include "app/surface_text_painter.h"
#include "plot/surface.h"
#include "plot/survey_map.h"
#include "report/survey_grid.h"

class QLabel;

namespace karvelo {

class SurveyMapWindow : public QDialog {
  public:
    // openCell is called with the row label and column number of a clicked cell.
    SurveyMapWindow(QWidget* parent, SurveyGrid grid, const SurveyMapStyle& style,
                    std::function<void(const std::string&, std::uint32_t)> openCell);

    const Surface& DrawingSurface() const { return surface_; }
    const SurveyGrid& Grid() const { return grid_; }
    // The widget the map is shown in (its pixels are the surface's).
    QLabel* MapLabel() const { return map_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    SurveyGrid grid_;
    SurveyGeometry geometry_;
    Surface surface_;
    SurfaceTextPainter textPainter_;
    QLabel* map_;
    std::function<void(const std::string&, std::uint32_t)> openCell_;
};

}  // namespace karvelo
