#include "app/profile_report_window.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "plot/report_curve.h"
#include "report/report_table.h"

namespace karvelo {

namespace {

constexpr int kCurveWidth = 900;
constexpr int kCurveHeight = 300;
constexpr int kValueLabelRoom = 110;  // right of the panel, for the value labels
constexpr int kWindowWidth = 960;
constexpr int kWindowHeight = 720;

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

}  // namespace

ProfileReportWindow::ProfileReportWindow(QWidget* parent, const std::vector<PointReport>& rows,
                                         const ReportSettings& settings,
                                         std::function<void(std::uint32_t)> selectPoint,
                                         const std::function<void()>& savePdf)
    : QDialog(parent),
      table_(new QTableWidget(this)),
      surface_(kCurveWidth, kCurveHeight),
      textPainter_(surface_),
      curve_(new QLabel(this)) {
    setWindowTitle(QString::fromUtf8("Отчёт по профилю"));
    resize(kWindowWidth, kWindowHeight);

    const std::vector<std::string> columns = ReportColumns(settings.ThicknessGiven != 0);
    table_->setColumnCount(static_cast<int>(columns.size()));
    table_->setRowCount(static_cast<int>(rows.size()));
    QStringList headers;
    for (const std::string& column : columns) {
        headers << QString::fromStdString(column);
    }
    table_->setHorizontalHeaderLabels(headers);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string> cells = ReportCells(rows[r], "-");
        for (std::size_t c = 0; c < cells.size(); ++c) {
            table_->setItem(static_cast<int>(r), static_cast<int>(c),
                            new ReportItem(QString::fromStdString(cells[c])));
        }
    }
    table_->setSortingEnabled(true);
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

    DrawCurve(rows, settings);
    auto* layout = new QVBoxLayout(this);
    curve_->setFixedSize(kCurveWidth, kCurveHeight);
    auto* save = new QPushButton(QString::fromUtf8("Сохранить PDF…"), this);
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, savePdf);
    layout->addWidget(save, 0, Qt::AlignLeft);
    layout->addWidget(table_, 1);
    layout->addWidget(curve_);
}

void ProfileReportWindow::DrawCurve(const std::vector<PointReport>& rows,
                                    const ReportSettings& settings) {
    surface_.FillWhite();
    DrawReportRows(surface_, kCurveWidth - kValueLabelRoom, kCurveHeight, rows, settings);
    // The surface is never smaller than the main one; the curve fills its top left.
    curve_->setPixmap(
        QPixmap::fromImage(textPainter_.Image().copy(0, 0, kCurveWidth, kCurveHeight)));
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
