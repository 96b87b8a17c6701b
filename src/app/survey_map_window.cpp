#include "app/survey_map_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>

namespace karvelo {

SurveyMapWindow::SurveyMapWindow(QWidget* parent, SurveyGrid grid, const SurveyMapStyle& style,
                                 std::function<void(const std::string&, std::uint32_t)> openCell)
    : QDialog(parent),
      grid_(std::move(grid)),
      geometry_(LayOutSurveyMap(grid_, std::nullopt)),
      surface_(SurveyMapWidth(geometry_), SurveyMapHeight(geometry_)),
      textPainter_(surface_),
      map_(new QLabel),
      openCell_(std::move(openCell)) {
    setWindowTitle(QString::fromUtf8("Карта обследования"));
    DrawSurveyMap(surface_, grid_, style, geometry_);
    map_->setPixmap(QPixmap::fromImage(textPainter_.Image()));
    map_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    map_->installEventFilter(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(map_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    constexpr int kWindowWidth = 1000;
    constexpr int kWindowHeight = 600;
    resize(kWindowWidth, kWindowHeight);
}

bool SurveyMapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == map_ && event->type() == QEvent::MouseButtonPress) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (const auto cell = SurveyCellAt(grid_, geometry_, at.x(), at.y())) {
            if (grid_.At(cell->Row, cell->Column).Present) {
                openCell_(grid_.Rows[cell->Row], grid_.Columns[cell->Column]);
            }
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace karvelo
