#include "app/profile_report_window.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/field_text.h"
#include "app/interface_language.h"
#include "app/object_info_dialog.h"
#include "app/program_settings.h"
#include "app/ui_text.h"
#include "common/number_format.h"
#include "plot/report_curve.h"

namespace karvelo {

namespace {

constexpr int kCurveWidth = 900;
constexpr int kCurveHeight = 300;
constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 800;
constexpr int kFieldWidth = 70;
constexpr double kPercent = 100.0;
constexpr int kSummaryColumns = 3;  // name-value pairs a row of the summary

// A cell that sorts by its number when it holds one, and after every number when not.
class ReportItem : public QTableWidgetItem {
  public:
    explicit ReportItem(const QString& text) : QTableWidgetItem(text) {
        setFlags(flags() & ~Qt::ItemIsEditable);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        bool mine = false;
        bool theirs = false;
        const double a = text().toDouble(&mine);
        const double b = other.text().toDouble(&theirs);
        if (mine && theirs) {
            return a < b;
        }
        return mine != theirs ? mine : text() < other.text();
    }
};

// A number typed with a point or a comma; none for an empty field.
std::optional<double> FieldNumber(const QLineEdit* edit, bool& bad) {
    const QString text = edit->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const std::optional<double> value = ParseNumberText(text.toStdString());
    bad = !value;
    return value;
}

QLineEdit* NumberField(QWidget* parent, const char* name, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(kFieldWidth);
    return edit;
}

}  // namespace

ProfileReportWindow::ProfileReportWindow(QWidget* parent, const std::vector<PointReport>& rows,
                                         const ReportSettings& settings,
                                         std::function<void(std::uint32_t)> selectPoint,
                                         std::function<void(const LineReport&)> savePdf)
    : QDialog(parent),
      rows_(rows),
      settings_(settings),
      report_(MakeLineReport(rows, settings, {})),
      table_(new QTableWidget(this)),
      design_(NumberField(this, "designThickness", {})),
      tolerance_(NumberField(this, "tolerance", {})),
      outlierShare_(
          NumberField(this, "outlierShare",
                      QString::fromStdString(FormatDefault(kDefaultOutlierShare * kPercent)))),
      status_(new QLabel(this)),
      summaryBox_(new QWidget(this)),
      summaryGrid_(new QGridLayout(summaryBox_)),
      surface_(kCurveWidth, kCurveHeight),
      textPainter_(surface_),
      curve_(new QLabel(this)) {
    SetUiText(this, "windowTitle", KTR("ProfileReportWindow", "Отчёт по профилю"));
    resize(kWindowWidth, kWindowHeight);
    report_.Object = SavedObjectInfo();
    report_.TextLanguage = InterfaceLanguage();

    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->hide();
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->installEventFilter(this);
    // Column 0 holds the point, wherever sorting has moved the row.
    connect(table_, &QTableWidget::cellClicked, this, [this, selectPoint](int row, int) {
        if (const QTableWidgetItem* point = table_->item(row, 0)) {
            selectPoint(point->text().toUInt());
        }
    });

    const bool thickness = report_.Quantity() == ReportQuantity::Thickness;
    design_->setEnabled(thickness);
    tolerance_->setEnabled(thickness);
    for (QLineEdit* edit : {design_, tolerance_, outlierShare_}) {
        connect(edit, &QLineEdit::editingFinished, this, &ProfileReportWindow::ApplyChecks);
    }

    auto* fields = new QHBoxLayout;
    const auto addLabelled = [this, fields](UiText text, QLineEdit* edit) {
        auto* label = new QLabel(this);
        SetUiText(label, "text", text);
        label->setBuddy(edit);
        fields->addWidget(label);
        fields->addWidget(edit);
    };
    addLabelled(KTR("ProfileReportWindow", "Проектная толщина, мм:"), design_);
    addLabelled(KTR("ProfileReportWindow", "Допуск, мм:"), tolerance_);
    addLabelled(KTR("ProfileReportWindow", "Выброс по линии, %:"), outlierShare_);
    fields->addStretch(1);
    auto* object = new QPushButton(this);
    SetUiText(object, "text", KTR("ProfileReportWindow", "Сведения об объекте…"));
    object->setAutoDefault(false);
    connect(object, &QPushButton::clicked, this, &ProfileReportWindow::EditObject);
    fields->addWidget(object);
    auto* save = new QPushButton(this);
    SetUiText(save, "text", KTR("ProfileReportWindow", "Сохранить PDF…"));
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, [this, savePdf] { savePdf(report_); });
    fields->addWidget(save);

    summaryGrid_->setContentsMargins(0, 0, 0, 0);
    summaryGrid_->setVerticalSpacing(0);
    summaryGrid_->setColumnStretch(2 * kSummaryColumns, 1);  // the pairs stay together
    status_->setObjectName(QStringLiteral("status"));
    status_->setStyleSheet(QStringLiteral("color: #b00000"));

    auto* layout = new QVBoxLayout(this);
    curve_->setFixedSize(kCurveWidth, kCurveHeight);
    layout->addLayout(fields);
    layout->addWidget(status_);
    layout->addWidget(table_, 1);
    layout->addWidget(summaryBox_);
    layout->addWidget(curve_);
    Refresh();
}

void ProfileReportWindow::ApplyChecks() {
    bool badDesign = false;
    bool badTolerance = false;
    bool badShare = false;
    const std::optional<double> design = FieldNumber(design_, badDesign);
    const std::optional<double> tolerance = FieldNumber(tolerance_, badTolerance);
    const std::optional<double> share = FieldNumber(outlierShare_, badShare);
    QString refusal;
    if (badDesign || (design && !(*design > 0.0))) {
        refusal =
            Translate(KTR("ProfileReportWindow", "Проектная толщина, мм: введите число больше 0."));
    } else if (badTolerance || (tolerance && *tolerance < 0.0)) {
        refusal = Translate(KTR("ProfileReportWindow", "Допуск, мм: введите число не меньше 0."));
    } else if (design && !tolerance) {
        refusal = Translate(
            KTR("ProfileReportWindow", "Допуск, мм: введите допуск к проектной толщине."));
    } else if (badShare || !share || !(*share > 0.0) || !(*share < kPercent)) {
        refusal = Translate(
            KTR("ProfileReportWindow", "Выброс по линии, %: введите число больше 0 и меньше 100."));
    }
    status_->setText(refusal);
    if (!refusal.isEmpty()) {
        return;
    }
    LineChecks checks;
    if (design) {
        checks.Design = DesignTolerance{*design, *tolerance};
    }
    checks.OutlierShare = *share / kPercent;
    const ObjectInfo object = report_.Object;
    report_ = MakeLineReport(rows_, settings_, checks);
    report_.Object = object;
    report_.TextLanguage = InterfaceLanguage();
    Refresh();
}

void ProfileReportWindow::Refresh() {
    FillTable();
    const ReportSummary summary = report_.Summary();
    const SummaryContext context = report_.Context(summary);
    // The figures in rows of kSummaryColumns "name: value" pairs, the verdict under them.
    while (QLayoutItem* item = summaryGrid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    summaryText_.clear();
    int index = 0;
    for (const auto& [name, value] : SummaryEntries(context, true)) {
        const int row = index / kSummaryColumns;
        const int column = 2 * (index % kSummaryColumns);
        auto* label = new QLabel(QString::fromStdString(name + ":"), summaryBox_);
        auto* figure = new QLabel(QString::fromStdString(value), summaryBox_);
        figure->setStyleSheet(QStringLiteral("font-weight: bold"));
        figure->setTextInteractionFlags(Qt::TextSelectableByMouse);
        summaryGrid_->addWidget(label, row, column);
        summaryGrid_->addWidget(figure, row, column + 1);
        label->show();
        figure->show();
        summaryText_ += QString::fromStdString(name + ": " + value) + QLatin1Char('\n');
        ++index;
    }
    const std::string verdict = Verdict(context);
    if (!verdict.empty()) {
        auto* line = new QLabel(QString::fromStdString(verdict), summaryBox_);
        line->setStyleSheet(QStringLiteral("font-weight: bold"));
        line->setWordWrap(true);
        summaryGrid_->addWidget(line, (index + kSummaryColumns - 1) / kSummaryColumns, 0, 1,
                                2 * kSummaryColumns);
        line->show();
        summaryText_ += QString::fromStdString(verdict) + QLatin1Char('\n');
    }
    DrawCurve();
}

void ProfileReportWindow::FillTable() {
    const ReportTableForm form = report_.TableForm(true);
    const std::vector<std::string> columns = ReportColumns(form);
    table_->setSortingEnabled(false);
    table_->clear();
    table_->setColumnCount(static_cast<int>(columns.size()));
    table_->setRowCount(static_cast<int>(report_.Rows.size()));
    QStringList headers;
    for (const std::string& column : columns) {
        // Long headers on two lines at the comma before the unit.
        headers << QString::fromStdString(column).replace(QStringLiteral(", "),
                                                          QStringLiteral(",\n"));
    }
    table_->setHorizontalHeaderLabels(headers);
    for (std::size_t r = 0; r < report_.Rows.size(); ++r) {
        const std::vector<std::string> cells = ReportCells(report_.Rows[r], form, "-");
        for (std::size_t c = 0; c < cells.size(); ++c) {
            auto* item = new ReportItem(QString::fromStdString(cells[c]));
            bool number = false;
            item->text().toDouble(&number);
            if (number) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table_->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table_->setSortingEnabled(true);
}

void ProfileReportWindow::DrawCurve() {
    surface_.FillWhite();
    DrawReportCurve(surface_, kCurveWidth, kCurveHeight, report_);
    // The surface is never smaller than the main one; the curve fills its top left.
    curve_->setPixmap(
        QPixmap::fromImage(textPainter_.Image().copy(0, 0, kCurveWidth, kCurveHeight)));
}

void ProfileReportWindow::EditObject() {
    ObjectInfoDialog dialog(this, report_.Object);
    if (dialog.exec() == QDialog::Accepted) {
        report_.Object = dialog.Info();
        SaveObjectInfo(report_.Object);
    }
}

QString ProfileReportWindow::SelectedText() const {
    QString text;
    for (int r = 0; r < table_->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table_->columnCount(); ++c) {
            const QTableWidgetItem* item = table_->item(r, c);
            if (item != nullptr && item->isSelected()) {
                cells << item->text();
            }
        }
        if (!cells.isEmpty()) {
            text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
    }
    return text;
}

void ProfileReportWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && report_.TextLanguage != InterfaceLanguage()) {
        report_.TextLanguage = InterfaceLanguage();
        Refresh();
    }
    QDialog::changeEvent(event);
}

bool ProfileReportWindow::eventFilter(QObject* watched, QEvent* event) {
    // Before the table's own handling, which would copy the current cell only.
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(SelectedText());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace karvelo
