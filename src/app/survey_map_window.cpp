#include "app/survey_map_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>
#include <span>

#include "app/field_text.h"
#include "app/surface_png.h"
#include "app/survey_pdf.h"
#include "app/ui_text.h"
#include "common/atomic_file.h"
#include "common/error_messages.h"
#include "common/number_format.h"
#include "plot/condition_map.h"
#include "profile/profile_loader.h"
#include "report/survey_classes.h"

namespace karvelo {

namespace {

constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 600;
constexpr int kFieldWidth = 70;
constexpr int kClassFieldWidth = 48;
constexpr double kMillimetresPerMetre = 1000.0;
constexpr double kPercent = 100.0;

// A spacing typed with a point or a comma; none for an empty field, 0 for a bad one.
std::optional<double> SpacingOf(const QLineEdit* edit) {
    const QString text = edit->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return ParseNumberText(text.toStdString()).value_or(0.0);
}

}  // namespace

SurveyMapWindow::SurveyMapWindow(QWidget* parent, SurveyGrid grid,
                                 std::vector<GridPosition> positions, const SurveyMapStyle& style,
                                 std::function<void(const std::string&, std::uint32_t)> openRow,
                                 SaveChoice chooseSave)
    : QDialog(parent),
      grid_(std::move(grid)),
      positions_(std::move(positions)),
      style_(style),
      rowSpacing_(new QLineEdit(this)),
      columnSpacing_(new QLineEdit(this)),
      scroll_(new QScrollArea(this)),
      maps_(new QWidget),
      map_(new QLabel(maps_)),
      classMap_(new QLabel(maps_)),
      status_(new QLabel(this)),
      cellText_(new QLabel(this)),
      openRow_(new QPushButton(this)),
      openRowCall_(std::move(openRow)),
      chooseSave_(std::move(chooseSave)) {
    SetUiText(this, "windowTitle", KTR("SurveyMapWindow", "Карта обследования"));
    auto* bar = new QHBoxLayout;
    const auto addField = [this, bar](UiText text, QLineEdit* edit, const char* name) {
        auto* label = new QLabel(this);
        SetUiText(label, "text", text);
        label->setBuddy(edit);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setFixedWidth(kFieldWidth);
        connect(edit, &QLineEdit::editingFinished, this, &SurveyMapWindow::ApplySpacing);
        bar->addWidget(label);
        bar->addWidget(edit);
    };
    addField(KTR("SurveyMapWindow", "Шаг по строкам, м:"), rowSpacing_, "rowSpacing");
    addField(KTR("SurveyMapWindow", "Шаг по столбцам, м:"), columnSpacing_, "columnSpacing");
    bar->addStretch(1);
    const auto addButton = [this, bar](UiText text, void (SurveyMapWindow::*save)()) {
        auto* button = new QPushButton(this);
        SetUiText(button, "text", text);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, save);
        bar->addWidget(button);
    };
    addButton(KTR("SurveyMapWindow", "Сохранить PNG…"), &SurveyMapWindow::SavePng);
    addButton(KTR("SurveyMapWindow", "Сохранить CSV…"), &SurveyMapWindow::SaveCsv);
    addButton(KTR("SurveyMapWindow", "Сохранить PDF…"), &SurveyMapWindow::SavePdf);

    // The class fields: the design, then the thresholds with their defaults.
    auto* classBar = new QHBoxLayout;
    const ConditionThresholds defaults;
    const struct {
        UiText Label;
        UiText Tip;
        const char* Name;
        QString Text;
    } classFields[] = {
        {KTR("SurveyMapWindow", "Проектная толщина, мм:"),
         KTR("SurveyMapWindow", "Толщина по проекту: с ней карта классов состояния"),
         "designThickness", QString()},
        {KTR("SurveyMapWindow", "Cp, м/с:"), KTR("SurveyMapWindow", "Скорость продольной волны"),
         "classVelocity", QString()},
        {KTR("SurveyMapWindow", "β:"), KTR("SurveyMapWindow", "Коэффициент формы"), "classBeta",
         QStringLiteral("0.96")},
        {KTR("SurveyMapWindow", "±f_T, %:"),
         KTR("SurveyMapWindow", "Доля f_T, в пределах которой пик считается частотой толщины"),
         "classNear", QString::number(defaults.Near * 100.0)},
        {KTR("SurveyMapWindow", "удовл. от, ×f_T:"),
         KTR("SurveyMapWindow", "Нижняя граница удовлетворительного диапазона"), "classFairLow",
         QString::number(defaults.FairLow)},
        {KTR("SurveyMapWindow", "до:"),
         KTR("SurveyMapWindow", "Верхняя граница удовлетворительного диапазона"), "classFairHigh",
         QString::number(defaults.FairHigh)},
        {KTR("SurveyMapWindow", "плохое выше, ×f_T:"),
         KTR("SurveyMapWindow", "Выше этой частоты — плохое состояние"), "classPoor",
         QString::number(defaults.PoorAbove)},
        {KTR("SurveyMapWindow", "второй пик, %:"),
         KTR("SurveyMapWindow", "Второй максимум не слабее этой доли главного считается сильным"),
         "classSecond", QString::number(defaults.SecondShare * 100.0)},
    };
    for (const auto& field : classFields) {
        auto* label = new QLabel(this);
        SetUiText(label, "text", field.Label);
        auto* edit = new QLineEdit(field.Text, this);
        label->setBuddy(edit);
        edit->setObjectName(QString::fromLatin1(field.Name));
        SetUiText(edit, "toolTip", field.Tip);
        edit->setFixedWidth(kClassFieldWidth);
        connect(edit, &QLineEdit::editingFinished, this, &SurveyMapWindow::ApplyClasses);
        classBar->addWidget(label);
        classBar->addWidget(edit);
        classFields_.push_back(edit);
    }
    classBar->addStretch(1);

    for (QLabel* picture : {map_, classMap_}) {
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setMouseTracking(true);
        picture->installEventFilter(this);
    }
    map_->setObjectName(QStringLiteral("valueMap"));
    classMap_->setObjectName(QStringLiteral("classMap"));
    classMap_->hide();
    scroll_->setWidget(maps_);
    scroll_->viewport()->installEventFilter(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setStyleSheet(QStringLiteral("color: #b00000"));
    cellText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SetUiText(openRow_, "text", KTR("SurveyMapWindow", "Открыть строку"));
    SetUiText(openRow_, "toolTip",
              KTR("SurveyMapWindow", "Открыть строку выбранной ячейки в главном окне с её точкой"));
    openRow_->setAutoDefault(false);
    openRow_->setEnabled(false);
    connect(openRow_, &QPushButton::clicked, this, [this] {
        if (selected_) {
            openRowCall_(grid_.Rows[selected_->Row], grid_.Columns[selected_->Column]);
        }
    });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cellText_, 1);
    bottom->addWidget(openRow_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addLayout(classBar);
    layout->addWidget(status_);
    layout->addWidget(scroll_, 1);
    layout->addLayout(bottom);
    resize(kWindowWidth, kWindowHeight);
    Redraw();
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
    std::string text = row + "-" + std::to_string(column);
    const Language language = style_.TextLanguage;
    if (geometry_.Spacing) {
        const std::string metres = InLanguage(language, " м", " m");
        text += " (" + FormatText("%.3g", static_cast<double>(cell->Row) * geometry_.Spacing->Row) +
                metres + "; " +
                FormatText("%.3g", (column - geometry_.FirstColumn) * geometry_.Spacing->Column) +
                metres + ")";
    }
    text += ": ";
    const SurveyCell& value = grid_.At(cell->Row, cell->Column);
    text += value.Present ? FormatDefault(value.Value) + " (" + style_.Caption + ")"
                          : InLanguage(language, "нет значения", "no value");
    const std::size_t index = cell->Row * grid_.Columns.size() + cell->Column;
    if (index < classes_.size() && classes_[index]) {
        text += std::string(", ") + ConditionName(*classes_[index], language);
    }
    for (const GridPosition& position : positions_) {
        if (position.Row == row && position.Column == column) {
            text += " — " + DescribeFiles(position.Files);
        }
    }
    return QString::fromStdString(text);
}

void SurveyMapWindow::Redraw() {
    const QSize area = scroll_->viewport()->size();
    // With classes the two maps share the width, cell for cell the same.
    const int width =
        design_ ? (area.width() - kConditionLegendRoom + kSurveyRightRoom) / 2 : area.width();
    geometry_ =
        LayOutSurveyMap(grid_, spacing_, width, area.height(), kSurveyRightRoom, kSurveyBottomRoom);
    textPainter_.reset();
    surface_ = std::make_unique<Surface>(SurveyMapWidth(geometry_), SurveyMapHeight(geometry_));
    textPainter_ = std::make_unique<SurfaceTextPainter>(*surface_);
    DrawSurveyMap(*surface_, grid_, style_, geometry_);
    classTextPainter_.reset();
    classSurface_.reset();
    if (design_) {
        classSurface_ =
            std::make_unique<Surface>(ConditionMapWidth(geometry_), ConditionMapHeight(geometry_));
        classTextPainter_ = std::make_unique<SurfaceTextPainter>(*classSurface_);
        DrawConditionMap(*classSurface_, grid_, classes_, *design_, geometry_, style_.TextLanguage);
    }
    ShowMap();
}

void SurveyMapWindow::OfferClasses(double velocity, double beta) {
    classFields_[1]->setText(velocity > 0.0 ? QString::number(velocity) : QString());
    classFields_[2]->setText(QString::number(beta));
}

void SurveyMapWindow::ApplyClasses() {
    status_->clear();
    std::vector<std::optional<double>> values;
    for (const QLineEdit* edit : classFields_) {
        values.push_back(SpacingOf(edit));
    }
    if (!values[0]) {
        design_.reset();
        classes_.clear();
        Redraw();
        return;
    }
    ConditionDesign design;
    design.Thickness = *values[0] / kMillimetresPerMetre;
    design.Velocity = values[1].value_or(0.0);
    design.Beta = values[2].value_or(0.0);
    ConditionThresholds& t = design.Thresholds;
    t.Near = values[3].value_or(0.0) / kPercent;
    t.FairLow = values[4].value_or(0.0);
    t.FairHigh = values[5].value_or(0.0);
    t.PoorAbove = values[6].value_or(0.0);
    t.SecondShare = values[7].value_or(0.0) / kPercent;
    if (!(design.Thickness > 0.0) || !(design.Velocity > 0.0) || !(design.Beta > 0.0)) {
        status_->setText(
            Translate(KTR("SurveyMapWindow",
                          "Классы: введите проектную толщину, скорость Cp и β — числа больше 0.")));
        return;
    }
    if (ThresholdsRefusal(t)) {
        status_->setText(
            Translate(KTR("SurveyMapWindow",
                          "Классы: пороги не по порядку: 0 < ±f_T < 100 %, 0 < "
                          "удовл. от < до ≤ 1 ≤ плохое выше, 0 < второй пик ≤ 100 %.")));
        return;
    }
    design_ = design;
    classes_ = ClassifyGrid(grid_, design);
    Redraw();
}

void SurveyMapWindow::ShowMap() {
    // Only the part the map uses, so a fitted map needs no scrolling.
    const QSize area = scroll_->viewport()->size();
    const int width = std::min(surface_->Width(), std::max(design_ ? 0 : area.width(),
                                                           geometry_.Right() + kSurveyRightRoom));
    const int height = std::min(surface_->Height(),
                                std::max(area.height(), geometry_.Bottom() + kSurveyBottomRoom));
    // The selected cell is outlined on each map shown.
    const auto outlined = [this](const QImage& whole, int pictureWidth, int pictureHeight) {
        QImage picture = whole.copy(0, 0, pictureWidth, pictureHeight);
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
        return QPixmap::fromImage(picture);
    };
    map_->setPixmap(outlined(textPainter_->Image(), width, height));
    map_->setGeometry(0, 0, width, height);
    int total = width;
    if (classSurface_) {
        const int classWidth =
            std::min(classSurface_->Width(),
                     std::max(area.width() - width, geometry_.Right() + kConditionLegendRoom));
        const int classHeight = std::min(classSurface_->Height(), height);
        classMap_->setPixmap(outlined(classTextPainter_->Image(), classWidth, classHeight));
        classMap_->setGeometry(width, 0, classWidth, classHeight);
        total += classWidth;
    }
    classMap_->setVisible(classSurface_ != nullptr);
    maps_->resize(total, height);
}

void SurveyMapWindow::Select(const std::optional<SurveyCellIndex>& cell) {
    selected_ = cell;
    openRow_->setEnabled(cell.has_value());
    cellText_->setText(Describe(cell));
    ShowMap();
}

void SurveyMapWindow::ApplySpacing() {
    const std::optional<double> row = SpacingOf(rowSpacing_);
    const std::optional<double> column = SpacingOf(columnSpacing_);
    status_->clear();
    if (!row && !column) {
        spacing_.reset();
    } else if (!row || !(*row > 0.0)) {
        status_->setText(
            Translate(KTR("SurveyMapWindow", "Шаг по строкам, м: введите число больше 0.")));
        return;
    } else if (!column || !(*column > 0.0)) {
        status_->setText(
            Translate(KTR("SurveyMapWindow", "Шаг по столбцам, м: введите число больше 0.")));
        return;
    } else {
        spacing_ = SurveySpacing{*row, *column};
    }
    Redraw();
    cellText_->setText(Describe(selected_));
}

bool SurveyMapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize) {
        Redraw();
        return false;
    }
    if ((watched == map_ || watched == classMap_) &&
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
    if (watched == map_ && event->type() == QEvent::Leave) {
        cellText_->setText(Describe(selected_));
    }
    return QDialog::eventFilter(watched, event);
}

void SurveyMapWindow::SavePng() {
    const std::optional<std::string> path = chooseSave_("survey.png", "png");
    if (!path) {
        return;
    }
    // The map at the program's cell size (to scale when the spacing is known).
    const SurveyGeometry geometry = LayOutSurveyMap(grid_, spacing_);
    Surface surface(SurveyMapWidth(geometry), SurveyMapHeight(geometry));
    const SurfaceTextPainter text(surface);
    DrawSurveyMap(surface, grid_, style_, geometry);
    const std::optional<std::string> bytes = EncodeSurfacePng(surface);
    if (!bytes ||
        !WriteFileAtomically(*path, std::span<const char>(bytes->data(), bytes->size()))) {
        ReportError(kErrCannotCreateFile, false,
                    *path + ": the PNG could not be written: " + WriteFailureReason());
    }
}

void SurveyMapWindow::SaveCsv() {
    const std::optional<std::string> path = chooseSave_("survey.csv", "csv");
    if (path && !WriteSurveyCsv(*path, grid_)) {
        ReportError(kErrCannotCreateFile, false,
                    *path + ": the CSV could not be written: " + WriteFailureReason());
    }
}

void SurveyMapWindow::SavePdf() {
    const std::optional<std::string> path = chooseSave_("survey.pdf", "pdf");
    if (!path) {
        return;
    }
    std::vector<std::string> files;
    for (const GridPosition& position : positions_) {
        files.insert(files.end(), position.Files.begin(), position.Files.end());
    }
    if (!WriteSurveyPdf(*path, ComposeSurveyPage(grid_, style_, spacing_, files))) {
        ReportError(kErrCannotCreateFile, false,
                    *path + ": the PDF could not be written: " + WriteFailureReason());
    }
}

}  // namespace karvelo
