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
    const QString caption =
        QString::fromUtf8(InLanguage(page.TextLanguage, "Карта обследования", "Survey map"));
    QPdfWriter writer(&device);
    SetUpPdfWriter(writer, QPageLayout::Landscape, caption);
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
                     caption);
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
    const Language language = style.TextLanguage;
    page.TextLanguage = language;
    const auto in = [language](const char* russian, const char* english) {
        return std::string(InLanguage(language, russian, english));
    };
    std::size_t measured = 0;
    for (const SurveyCell& cell : grid.Cells) {
        measured += cell.Present ? 1 : 0;
    }
    page.Lines = {
        {in("Значение", "Value"), style.Caption},
        {in("Исходные файлы", "Source files"), DescribeSourceFiles(files, language)},
        {in("Строк × столбцов", "Rows × columns"),
         std::to_string(grid.Rows.size()) + " × " + std::to_string(grid.Columns.size()) +
             in(", позиций со значением ", ", positions with a value ") + std::to_string(measured)},
        {in("Составлена", "Made"),
         QDateTime::currentDateTime().toString(Qt::ISODate).toStdString()},
    };
    if (spacing) {
        page.Lines.insert(page.Lines.begin() + 1,
                          {in("Шаг по строкам и столбцам, м", "Row and column spacing, m"),
                           QString::number(spacing->Row).toStdString() + in(" и ", " and ") +
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
