#include "app/report_pdf.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <fstream>

#include "analysis/quality.h"
#include "app/surface_text_painter.h"
#include "common/atomic_file.h"
#include "common/number_format.h"
#include "plot/pick_store.h"
#include "plot/report_curve.h"
#include "profile/profile_image.h"
#include "profile/profile_loader.h"
#include "report/report_table.h"
#include "session/form_session.h"

namespace karvelo {

namespace {

constexpr int kResolution = 300;  // dots per inch of the page
constexpr double kMarginMm = 15.0;
constexpr int kBodyPoints = 9;  // font sizes
constexpr int kTitlePoints = 14;
constexpr int kTablePoints = 7;
constexpr int kPictureDpi = 150;  // surface pixels an inch on paper
// The profile-spectrum panel and the colour bar beside it, as the form shows them.
constexpr int kMapTop = 320;
constexpr int kMapHeight = 400;
constexpr int kCurveWidth = 900;
constexpr int kCurveHeight = 300;
constexpr int kCurveLabelRoom = 110;

const char* ModeName(std::int32_t mode) {
    switch (mode) {
        case kAveragedSpectrum:
            return "Усреднённый спектр";
        case kSpectrumProduct:
            return "Произведение спектров";
        default:
            return "Одна трасса";
    }
}

// Lays out text and pictures down the pages, starting a new page when one is full.
class PageFlow {
  public:
    PageFlow(QPdfWriter& writer, QPainter& painter) : writer_(writer), painter_(painter) {
        StartPage();
    }

    void Text(const QString& text, int points, bool bold = false) {
        QFont font(QStringLiteral("DejaVu Sans"), points);
        font.setBold(bold);
        painter_.setFont(font);
        const int height = painter_.fontMetrics().height();
        Ensure(height);
        painter_.drawText(QRect(0, y_, Width(), height), Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += height;
    }

    // A table: each column as wide as its widest cell, the rest of the page shared out.
    void Table(const std::vector<std::vector<std::string>>& rows, int points) {
        if (rows.empty()) {
            return;
        }
        QFont bold(QStringLiteral("DejaVu Sans"), points);
        bold.setBold(true);
        const QFontMetrics metrics(bold, painter_.device());
        std::vector<int> widths(rows.front().size(), 0);
        for (const auto& row : rows) {
            for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
                widths[c] =
                    std::max(widths[c], metrics.horizontalAdvance(QString::fromStdString(row[c])));
            }
        }
        int total = 0;
        for (const int width : widths) {
            total += width;
        }
        const int spare = std::max(0, Width() - total) / static_cast<int>(widths.size());
        const int height = metrics.height();
        for (std::size_t r = 0; r < rows.size(); ++r) {
            QFont font(QStringLiteral("DejaVu Sans"), points);
            font.setBold(r == 0);
            painter_.setFont(font);
            Ensure(height);
            int x = 0;
            for (std::size_t c = 0; c < rows[r].size() && c < widths.size(); ++c) {
                painter_.drawText(QRect(x, y_, widths[c] + spare, height),
                                  Qt::AlignLeft | Qt::AlignVCenter,
                                  QString::fromStdString(rows[r][c]));
                x += widths[c] + spare;
            }
            y_ += height;
        }
    }

    // A picture the width of the page at most, its pixels kept sharp.
    void Picture(const QImage& image) {
        if (image.isNull()) {
            return;
        }
        // At 150 surface pixels an inch, or narrower to fit the page.
        const int width = std::min(Width(), image.width() * kResolution / kPictureDpi);
        const int height = image.height() * width / image.width();
        Ensure(height);
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter_.drawImage(QRect(0, y_, width, height), image);
        y_ += height;
    }

    void Gap() { y_ += painter_.fontMetrics().height() / 2; }

    void Finish() { PageNumber(); }

  private:
    int Width() const { return painter_.viewport().width(); }
    int Height() const { return painter_.viewport().height(); }

    void Ensure(int height) {
        if (y_ + height > Height() - footer_) {
            PageNumber();
            writer_.newPage();
            StartPage();
        }
    }

    void StartPage() {
        ++page_;
        y_ = 0;
        painter_.setFont(QFont(QStringLiteral("DejaVu Sans"), kBodyPoints));
        footer_ = 2 * painter_.fontMetrics().height();
    }

    void PageNumber() {
        const QFont keep = painter_.font();
        painter_.setFont(QFont(QStringLiteral("DejaVu Sans"), kBodyPoints));
        painter_.drawText(QRect(0, Height() - footer_ / 2, Width(), footer_ / 2),
                          Qt::AlignHCenter | Qt::AlignVCenter, QString::number(page_));
        painter_.setFont(keep);
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    int y_ = 0;
    int page_ = 0;
    int footer_ = 0;
};

bool WritePdf(const QString& path, const PdfReport& report) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(kResolution);
    writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                          QPageLayout::Millimeter);
    writer.setTitle(QString::fromUtf8("Отчёт по профилю"));
    writer.setCreator(QStringLiteral("Karvelo"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    PageFlow flow(writer, painter);
    flow.Text(QString::fromUtf8("Отчёт по профилю"), kTitlePoints, true);
    flow.Gap();
    for (const auto& [name, value] : report.Title) {
        flow.Text(QString::fromStdString(name + ": " + value), kBodyPoints);
    }
    flow.Gap();
    flow.Picture(report.Map);
    flow.Gap();
    flow.Picture(report.Curve);
    flow.Gap();
    std::vector<std::vector<std::string>> table{ReportColumns(report.ThicknessGiven)};
    for (const PointReport& row : report.Rows) {
        table.push_back(ReportCells(row, "-"));
    }
    flow.Table(table, kTablePoints);
    for (const auto& [caption, lines] : {std::pair{"Линии пикирования", &report.PickLines},
                                         std::pair{"Добротность", &report.QualityLines}}) {
        if (lines->empty()) {
            continue;
        }
        flow.Gap();
        flow.Text(QString::fromUtf8(caption), kBodyPoints, true);
        for (const std::string& line : *lines) {
            flow.Text(QString::fromStdString(line), kTablePoints);
        }
    }
    flow.Finish();
    return painter.end();
}

std::vector<std::pair<std::string, std::string>> ReportTitle(const ReportSettings& settings,
                                                             int fMin, int fMax) {
    std::string source = "built-in profile";
    if (!LoadedSource.Names.empty()) {
        source = DescribeFiles(LoadedSource.Names);
    }
    const std::uint32_t channels = HitsPerPoint == 0 ? 0 : TracesPerPoint / HitsPerPoint;
    const std::string given = settings.ThicknessGiven != 0 ? "thickness" : "velocity";
    return {
        {"Source", source},
        {"Channels used", std::to_string(channels)},
        {"Hits per point", std::to_string(HitsPerPoint)},
        {"Points", std::to_string(PointCount)},
        {"Spectrum", ModeName(settings.SpectrumMode)},
        {"Band", std::to_string(fMin) + " .. " + std::to_string(fMax) + " Hz"},
        {given == "velocity" ? "Velocity" : "Thickness",
         FormatDefault(settings.VelocityOrThickness)},
        {"Shape factor", FormatDefault(settings.ShapeFactor)},
        {"Trend removal", settings.Detrend ? "on" : "off"},
        {"Program", std::string("Karvelo ") + KARVELO_VERSION},
        {"Date", QDateTime::currentDateTime().toString(Qt::ISODate).toStdString()},
    };
}

std::vector<std::string> PickFileLines() {
    std::vector<std::string> lines;
    if (!PickFileWritten || PickFilePath.empty()) {
        return lines;
    }
    std::ifstream file(PickFilePath);
    for (std::string line; std::getline(file, line);) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<std::string> QualityValueLines() {
    std::vector<std::string> lines;
    for (std::int32_t k = 0; k < QualityCount; ++k) {
        const QualityRecord& record = QualityRecords[static_cast<std::size_t>(k)];
        lines.push_back(std::to_string(record.PointIndex) + "  " +
                        FormatDefault(record.PeakFrequency) + "  " + FormatDefault(record.Quality));
    }
    return lines;
}

}  // namespace

bool WriteReportPdf(const std::string& path, const PdfReport& report) {
    return ReplaceFileAtomically(path, [&report](const std::string& temp) {
        return WritePdf(QString::fromStdString(temp), report);
    });
}

PdfReport ComposeReport(FormSession& session, const std::vector<PointReport>& rows) {
    PdfReport report;
    const ReportSettings settings = session.CurrentReportSettings();
    report.Title = ReportTitle(settings, session.State().FMin, session.State().FMax);
    {
        Surface map;
        const SurfaceTextPainter text(map);
        session.RenderProfileMap(map);
        report.Map = text.Image().copy(0, kMapTop, map.Width(), kMapHeight);
    }
    {
        Surface curve;
        const SurfaceTextPainter text(curve);
        DrawReportRows(curve, kCurveWidth - kCurveLabelRoom, kCurveHeight, rows, settings);
        report.Curve = text.Image().copy(0, 0, kCurveWidth, kCurveHeight);
    }
    report.Rows = rows;
    report.ThicknessGiven = settings.ThicknessGiven != 0;
    report.PickLines = PickFileLines();
    report.QualityLines = QualityValueLines();
    return report;
}

}  // namespace karvelo
