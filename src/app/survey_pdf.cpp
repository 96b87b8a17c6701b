#include "app/survey_pdf.h"

#include <QDateTime>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "app/pdf_pages.h"
#include "app/surface_text_painter.h"
#include "report/source_files.h"

namespace karvelo {

namespace {

constexpr int kTitlePoints = 14;
constexpr int kBodyPoints = 9;
// The area the map is fitted into, in surface pixels: across a landscape page its
// 11-pixel labels stand above 8 pt.
constexpr int kMapWidth = 1000;
constexpr int kMapHeight = 540;

bool WritePage(QIODevice& device, const SurveyPage& page) {
    QPdfWriter writer(&device);
    SetUpPdfWriter(writer, QPageLayout::Landscape, QString::fromUtf8("Карта обследования"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    const QRect area = painter.viewport();
    int y = 0;
    QFont title(QStringLiteral("DejaVu Sans"), kTitlePoints);
    title.setBold(true);
    painter.setFont(title);
    const int titleHeight = painter.fontMetrics().height();
    painter.drawText(QRect(0, y, area.width(), titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromUtf8("Карта обследования"));
    y += titleHeight * 3 / 2;
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), kBodyPoints));
    const int line = painter.fontMetrics().height();
    for (const auto& [name, value] : page.Lines) {
        painter.drawText(QRect(0, y, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(name + ": " + value));
        y += line;
    }
    y += line / 2;
    if (!page.Map.isNull()) {
        const int room = area.height() - y;
        const double scale = std::min(static_cast<double>(area.width()) / page.Map.width(),
                                      static_cast<double>(room) / page.Map.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRect(0, y, static_cast<int>(page.Map.width() * scale),
                                static_cast<int>(page.Map.height() * scale)),
                          page.Map);
    }
    return painter.end();
}

}  // namespace

SurveyPage ComposeSurveyPage(const SurveyGrid& grid, const SurveyMapStyle& style,
                             const std::optional<SurveySpacing>& spacing,
                             const std::vector<std::string>& files) {
    SurveyPage page;
    std::size_t measured = 0;
    for (const SurveyCell& cell : grid.Cells) {
        measured += cell.Present ? 1 : 0;
    }
    page.Lines = {
        {"Значение", style.Caption},
        {"Исходные файлы", DescribeSourceFiles(files)},
        {"Строк × столбцов", std::to_string(grid.Rows.size()) + " × " +
                                 std::to_string(grid.Columns.size()) + ", позиций со значением " +
                                 std::to_string(measured)},
        {"Составлена", QDateTime::currentDateTime().toString(Qt::ISODate).toStdString()},
    };
    if (spacing) {
        page.Lines.insert(
            page.Lines.begin() + 1,
            {"Шаг по строкам и столбцам, м", QString::number(spacing->Row).toStdString() + " и " +
                                                 QString::number(spacing->Column).toStdString()});
    }
    const SurveyGeometry geometry =
        LayOutSurveyMap(grid, spacing, kMapWidth, kMapHeight, kSurveyRightRoom, kSurveyBottomRoom);
    Surface surface(SurveyMapWidth(geometry), SurveyMapHeight(geometry));
    const SurfaceTextPainter text(surface);
    DrawSurveyMap(surface, grid, style, geometry);
    const int width = std::max(kMapWidth, geometry.Right() + kSurveyRightRoom);
    const int height = std::max(kMapHeight, geometry.Bottom() + kSurveyBottomRoom);
    page.Map = text.Image().copy(0, 0, width, height);
    return page;
}

bool WriteSurveyPdf(const std::string& path, const SurveyPage& page) {
    return WritePdfFile(path, [&page](QIODevice& device) { return WritePage(device, page); });
}

}  // namespace karvelo
