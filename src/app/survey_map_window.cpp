#include "app/survey_map_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "common/number_format.h"
#include "profile/profile_loader.h"

namespace karvelo {

SurveyMapWindow::SurveyMapWindow(QWidget* parent, SurveyGrid grid,
                                 std::vector<GridPosition> positions, const SurveyMapStyle& style,
                                 std::function<void(const std::string&, std::uint32_t)> openRow)
    : QDialog(parent),
      grid_(std::move(grid)),
      positions_(std::move(positions)),
      caption_(style.Caption),
      geometry_(LayOutSurveyMap(grid_, std::nullopt)),
      surface_(SurveyMapWidth(geometry_), SurveyMapHeight(geometry_)),
      textPainter_(surface_),
      map_(new QLabel),
      cellText_(new QLabel(this)),
      openRow_(new QPushButton(QString::fromUtf8("Открыть строку"), this)),
      openRowCall_(std::move(openRow)) {
    setWindowTitle(QString::fromUtf8("Карта обследования"));
    DrawSurveyMap(surface_, grid_, style, geometry_);
    ShowMap();
    map_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    map_->setMouseTracking(true);
    map_->installEventFilter(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(map_);
    openRow_->setEnabled(false);
    openRow_->setToolTip(
        QString::fromUtf8("Открыть строку выбранной ячейки в главном окне с её точкой"));
    connect(openRow_, &QPushButton::clicked, this, [this] {
        if (selected_) {
            openRowCall_(grid_.Rows[selected_->Row], grid_.Columns[selected_->Column]);
        }
    });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cellText_, 1);
    bottom->addWidget(openRow_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addLayout(bottom);
    constexpr int kWindowWidth = 1000;
    constexpr int kWindowHeight = 600;
    resize(kWindowWidth, kWindowHeight);
}

QString SurveyMapWindow::CellText() const {
    return cellText_->text();
}

QString SurveyMapWindow::Describe(const std::optional<SurveyCellIndex>& cell) const {
    if (!cell) {
        return {};
    }
    const std::string& row = grid_.Rows[cell->Row];
    const std::uint32_t column = grid_.Columns[cell->Column];
    std::string text = row + "-" + std::to_string(column) + ": ";
    const SurveyCell& value = grid_.At(cell->Row, cell->Column);
    text += value.Present ? FormatDefault(value.Value) + " (" + caption_ + ")" : "нет значения";
    for (const GridPosition& position : positions_) {
        if (position.Row == row && position.Column == column) {
            text += " — " + DescribeFiles(position.Files);
        }
    }
    return QString::fromStdString(text);
}

void SurveyMapWindow::ShowMap() {
    QImage picture = textPainter_.Image().copy();
    if (selected_) {
        QPainter painter(&picture);
        const int left = geometry_.ColumnLeft(grid_.Columns[selected_->Column]);
        const int top = geometry_.RowTop(selected_->Row);
        const QRect cell(left, top, geometry_.CellWidth(), geometry_.CellHeight());
        painter.setPen(QPen(Qt::black, 3));
        painter.drawRect(cell.adjusted(-1, -1, 1, 1));
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(cell.adjusted(1, 1, -1, -1));
    }
    map_->setPixmap(QPixmap::fromImage(picture));
}

void SurveyMapWindow::Select(const std::optional<SurveyCellIndex>& cell) {
    selected_ = cell;
    openRow_->setEnabled(cell.has_value());
    cellText_->setText(Describe(cell));
    ShowMap();
}

bool SurveyMapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == map_ &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove)) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        const auto cell = SurveyCellAt(grid_, geometry_, at.x(), at.y());
        if (event->type() == QEvent::MouseButtonPress) {
            Select(cell);
        } else {
            // Hovering names the cell under the mouse; off the cells the selection again.
            cellText_->setText(cell ? Describe(cell) : Describe(selected_));
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace karvelo
