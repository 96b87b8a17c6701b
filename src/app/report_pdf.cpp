#include "app/report_pdf.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "app/pdf_pages.h"
#include "plot/nice_ticks.h"
#include "plot/palette.h"
#include "report/report_numbers.h"

namespace karvelo {

namespace {

constexpr int kBodyPoints = 9;  // font sizes; nothing smaller than 8 pt
constexpr int kHeadingPoints = 11;
constexpr int kTitlePoints = 14;
constexpr int kTablePoints = 8;
constexpr double kPointsPerInch = 72.0;
constexpr int kCellPadding = 20;  // dots each side of a table cell
constexpr int kMapTicks = 12;     // along the points, at most
constexpr int kFrequencyTicks = 6;
constexpr int kColourBarSteps = 256;
constexpr double kMapShare = 0.55;  // of the page height, the map's plot area
constexpr double kBarHeightMm = 5.0;

const QString kFontFamily = QStringLiteral("DejaVu Sans");

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QFont Font(int points, bool bold = false) {
    QFont font(kFontFamily, points);
    font.setBold(bold);
    return font;
}

int Dots(double points) {
    return static_cast<int>(std::lround(points * kPdfResolution / kPointsPerInch));
}

int MmDots(double mm) {
    return static_cast<int>(std::lround(mm / 25.4 * kPdfResolution));
}

// Lays out text, pictures and tables down the pages, starting a new page when one is
// full; pages may change orientation.
class PageFlow {
  public:
    PageFlow(QPdfWriter& writer, QPainter& painter) : writer_(writer), painter_(painter) {
        StartPage();
    }

    int Width() const { return painter_.viewport().width(); }
    int Height() const { return painter_.viewport().height(); }
    int Y() const { return y_; }
    int Room() const { return Height() - footer_ - y_; }
    void Advance(int height) { y_ += height; }
    QPainter& Painter() { return painter_; }

    // Text over the page's width, wrapped at word boundaries.
    void Text(const QString& text, int points, bool bold = false) {
        painter_.setFont(Font(points, bold));
        const QRect bounds =
            painter_.boundingRect(QRect(0, 0, Width(), Height()), Qt::TextWordWrap, text);
        Ensure(bounds.height());
        painter_.drawText(QRect(0, y_, Width(), bounds.height()), Qt::TextWordWrap, text);
        y_ += bounds.height();
    }

    // "Name: value" lines, the values aligned in a column and wrapped.
    void Block(const NamedValues& entries, int points) {
        painter_.setFont(Font(points));
        const QFontMetrics metrics(painter_.font(), painter_.device());
        int labelWidth = 0;
        for (const auto& [name, value] : entries) {
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(karvelo::Text(name + ":")));
        }
        labelWidth = std::min(labelWidth + kCellPadding, Width() / 2);
        for (const auto& [name, value] : entries) {
            const QRect valueRect(labelWidth, 0, Width() - labelWidth, Height());
            const QRect label =
                painter_.boundingRect(QRect(0, 0, labelWidth - kCellPadding, Height()),
                                      Qt::TextWordWrap, karvelo::Text(name + ":"));
            const QRect bounds =
                painter_.boundingRect(valueRect, Qt::TextWordWrap, karvelo::Text(value));
            const int height = std::max({bounds.height(), label.height(), metrics.height()});
            Ensure(height);
            painter_.drawText(QRect(0, y_, labelWidth - kCellPadding, height), Qt::TextWordWrap,
                              karvelo::Text(name + ":"));
            painter_.drawText(QRect(labelWidth, y_, Width() - labelWidth, height), Qt::TextWordWrap,
                              karvelo::Text(value));
            y_ += height;
        }
    }

    // A table: each column as wide as its widest cell (or the widest word of its header),
    // the spare width shared out; the header repeated on every page the rows fill.
    void Table(const std::vector<std::string>& header,
               const std::vector<std::vector<std::string>>& rows, int points) {
        if (header.empty()) {
            return;
        }
        const QFont plain = Font(points);
        const QFont bold = Font(points, true);
        const QFontMetrics plainMetrics(plain, painter_.device());
        const QFontMetrics boldMetrics(bold, painter_.device());
        std::vector<int> widths(header.size(), 0);
        for (std::size_t c = 0; c < header.size(); ++c) {
            for (const QString& word :
                 karvelo::Text(header[c]).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                widths[c] = std::max(widths[c], boldMetrics.horizontalAdvance(word));
            }
        }
        for (const auto& row : rows) {
            for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
                widths[c] =
                    std::max(widths[c], plainMetrics.horizontalAdvance(karvelo::Text(row[c])));
            }
        }
        int total = 0;
        for (int& width : widths) {
            width += 2 * kCellPadding;
            total += width;
        }
        // The last column (the flags) takes what is left and wraps when it must.
        if (total > Width()) {
            widths.back() = std::max(widths.back() - (total - Width()), 4 * kCellPadding);
        } else {
            const int spare = (Width() - total) / static_cast<int>(widths.size());
            for (int& width : widths) {
                width += spare;
            }
        }
        const auto rowHeight = [&](const std::vector<std::string>& cells, const QFont& font) {
            painter_.setFont(font);
            int height = QFontMetrics(font, painter_.device()).height();
            for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
                const QRect bounds =
                    painter_.boundingRect(QRect(0, 0, widths[c] - 2 * kCellPadding, Height()),
                                          Qt::TextWordWrap, karvelo::Text(cells[c]));
                height = std::max(height, bounds.height());
            }
            return height;
        };
        const auto drawRow = [&](const std::vector<std::string>& cells, const QFont& font,
                                 int height) {
            painter_.setFont(font);
            int x = 0;
            for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
                painter_.drawText(QRect(x + kCellPadding, y_, widths[c] - 2 * kCellPadding, height),
                                  Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignBottom,
                                  karvelo::Text(cells[c]));
                x += widths[c];
            }
            y_ += height;
        };
        const int headerHeight = rowHeight(header, bold);
        const auto drawHeader = [&] {
            drawRow(header, bold, headerHeight);
            painter_.drawLine(0, y_, Width(), y_);
        };
        const int firstRow = rows.empty() ? 0 : rowHeight(rows.front(), plain);
        Ensure(headerHeight + firstRow);
        drawHeader();
        for (const auto& row : rows) {
            const int height = rowHeight(row, plain);
            if (height > Room()) {
                NewPage();
                drawHeader();
            }
            drawRow(row, plain, height);
        }
    }

    // A picture the width of the page, its pixels kept sharp.
    void Picture(const QImage& image, int height) {
        if (image.isNull()) {
            return;
        }
        Ensure(height);
        const int width = std::min(Width(), image.width() * height / image.height());
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter_.drawImage(QRect(0, y_, width, height), image);
        y_ += height;
    }

    void Gap() { y_ += QFontMetrics(Font(kBodyPoints), painter_.device()).height() / 2; }

    void Ensure(int height) {
        if (height > Room() && y_ > 0) {
            NewPage();
        }
    }

    // A new page across (Landscape) or down the paper; the painter's coordinates follow.
    void NewPage(QPageLayout::Orientation orientation) {
        PageNumber();
        writer_.setPageOrientation(orientation);
        writer_.newPage();
        const QRect paint = writer_.pageLayout().paintRectPixels(kPdfResolution);
        const QRect area(0, 0, paint.width(), paint.height());
        painter_.setViewport(area);
        painter_.setWindow(area);
        painter_.setClipRect(area);
        StartPage();
    }

    void NewPage() {
        PageNumber();
        writer_.newPage();
        StartPage();
    }

    void Finish() { PageNumber(); }

  private:
    void StartPage() {
        ++page_;
        y_ = 0;
        footer_ = 2 * QFontMetrics(Font(kBodyPoints), painter_.device()).height();
    }

    void PageNumber() {
        painter_.setFont(Font(kBodyPoints));
        painter_.drawText(QRect(0, Height() - footer_ / 2, Width(), footer_ / 2),
                          Qt::AlignHCenter | Qt::AlignVCenter, QString::number(page_));
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    int y_ = 0;
    int page_ = 0;
    int footer_ = 0;
};

QString Fixed(double value, double step) {
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    return karvelo::Text(FormatFixed(value, decimals));
}

// The map's pixels with its axes, their captions and a colour bar carrying values.
void DrawMap(PageFlow& flow, const PdfMap& map, Language language) {
    const auto in = [language](const char* russian, const char* english) {
        return QString::fromUtf8(InLanguage(language, russian, english));
    };
    QPainter& painter = flow.Painter();
    painter.setFont(Font(kBodyPoints));
    const QFontMetrics metrics(painter.font(), painter.device());
    const int line = metrics.height();
    const int labelRoom = metrics.horizontalAdvance(QStringLiteral("000000")) + Dots(6);
    const int plotHeight = static_cast<int>(flow.Height() * kMapShare);
    const int barHeight = MmDots(kBarHeightMm);
    flow.Ensure(line + plotHeight + 3 * line + barHeight + 2 * line);

    // The caption of the frequency axis above it.
    painter.drawText(QRect(0, flow.Y(), flow.Width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                     in("Частота, Гц", "Frequency, Hz"));
    flow.Advance(line);
    const QRect plot(labelRoom, flow.Y(), flow.Width() - labelRoom - Dots(4), plotHeight);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(plot, map.Pixels);
    painter.setPen(QPen(Qt::black, Dots(0.5)));
    painter.drawRect(plot);

    const int tick = Dots(3);
    // Frequencies downwards.
    const double fSpan = map.LastFrequency - map.FirstFrequency;
    const TickScale frequencies = NiceTicks(map.FirstFrequency, map.LastFrequency, kFrequencyTicks);
    for (const double f : frequencies.Ticks) {
        if (fSpan <= 0.0 || f < map.FirstFrequency || f > map.LastFrequency) {
            continue;
        }
        const int y =
            plot.top() + static_cast<int>((f - map.FirstFrequency) / fSpan * plot.height());
        painter.drawLine(plot.left() - tick, y, plot.left(), y);
        painter.drawText(QRect(0, y - line / 2, plot.left() - tick - Dots(2), line),
                         Qt::AlignRight | Qt::AlignVCenter, Fixed(f, frequencies.Step));
    }
    // Points rightwards.
    const double pSpan = map.LastPoint - map.FirstPoint;
    const TickScale points = NiceTicks(map.FirstPoint, map.LastPoint, kMapTicks, 1.0);
    for (const double p : points.Ticks) {
        if (p < map.FirstPoint || p > map.LastPoint) {
            continue;
        }
        const int x =
            pSpan > 0.0
                ? plot.left() + static_cast<int>((p - map.FirstPoint) / pSpan * plot.width())
                : plot.left();
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + tick);
        painter.drawText(QRect(x - labelRoom, plot.bottom() + tick, 2 * labelRoom, line),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(std::lround(p)));
    }
    flow.Advance(plotHeight + tick + line);
    painter.drawText(QRect(plot.left(), flow.Y(), plot.width(), line),
                     Qt::AlignRight | Qt::AlignVCenter, in("Номер точки", "Point number"));
    flow.Advance(line + line / 2);

    // The colour bar under the map, as wide as half of it, with its values.
    const QRect bar(plot.left(), flow.Y() + line, plot.width() / 2, barHeight);
    painter.drawText(QRect(plot.left(), flow.Y(), flow.Width(), line),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     in("Амплитуда спектра, доля максимума спектра точки (безразмерная)",
                        "Spectrum amplitude, share of the point spectrum's maximum "
                        "(dimensionless)"));
    for (int i = 0; i < kColourBarSteps; ++i) {
        const int index = i * kSpectrumMaxIndex / (kColourBarSteps - 1);
        const Colour colour = PaletteColour(kSpectrumPalette, index);
        const int x0 = bar.left() + i * bar.width() / kColourBarSteps;
        const int x1 = bar.left() + (i + 1) * bar.width() / kColourBarSteps;
        painter.fillRect(QRect(x0, bar.top(), x1 - x0 + 1, bar.height()),
                         QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
    }
    painter.drawRect(bar);
    const TickScale values = NiceTicks(0.0, map.Top, kFrequencyTicks);
    for (const double v : values.Ticks) {
        if (v > map.Top + 1e-9) {
            continue;
        }
        const int x = bar.left() + static_cast<int>(v / map.Top * bar.width());
        painter.drawLine(x, bar.bottom(), x, bar.bottom() + tick);
        QString label = Fixed(v, values.Step);
        if (map.Top < 1.0 && std::abs(v - map.Top) < 1e-9) {
            label = QStringLiteral("≥ ") + label;
        }
        painter.drawText(QRect(x - labelRoom, bar.bottom() + tick, 2 * labelRoom, line),
                         Qt::AlignHCenter | Qt::AlignTop, label);
    }
    flow.Advance(line + barHeight + tick + line);
}

bool WritePdf(QIODevice& device, const PdfReport& report) {
    const auto in = [&report](const char* russian, const char* english) {
        return QString::fromUtf8(InLanguage(report.TextLanguage, russian, english));
    };
    QPdfWriter writer(&device);
    SetUpPdfWriter(writer, QPageLayout::Portrait, in("Отчёт по профилю", "Profile report"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    PageFlow flow(writer, painter);
    flow.Text(in("Отчёт по профилю", "Profile report"), kTitlePoints, true);
    flow.Gap();
    const std::pair<QString, const NamedValues*> blocks[] = {
        {in("Сведения об объекте", "Object"), &report.Object},
        {in("Методика измерений", "Method of measurement"), &report.Method},
        {in("Результаты", "Results"), &report.Summary},
    };
    for (const auto& [caption, entries] : blocks) {
        flow.Text(caption, kHeadingPoints, true);
        if (entries->empty()) {
            flow.Text(in("не указаны", "not given"), kBodyPoints);
        }
        flow.Block(*entries, kBodyPoints);
        flow.Gap();
    }
    flow.Text(in("Вывод", "Conclusion"), kHeadingPoints, true);
    flow.Text(report.Verdict.empty()
                  ? in("Проектная толщина не задана: соответствие не оценивалось.",
                       "No design thickness given: conformity was not assessed.")
                  : karvelo::Text(report.Verdict),
              kBodyPoints, true);

    // The pictures and the table read best across the page.
    flow.NewPage(QPageLayout::Landscape);
    if (report.Map) {
        flow.Text(in("Карта спектров по профилю", "Map of the spectra along the profile"),
                  kHeadingPoints, true);
        DrawMap(flow, *report.Map, report.TextLanguage);
    }
    if (!report.Curve.isNull()) {
        flow.NewPage();
        flow.Text(in("Результат вдоль профиля", "Result along the profile"), kHeadingPoints, true);
        const int height =
            std::min(flow.Room(), flow.Width() * report.Curve.height() / report.Curve.width());
        flow.Picture(report.Curve, height);
    }
    flow.NewPage();
    flow.Text(in("Результаты по точкам", "Results by point"), kHeadingPoints, true);
    flow.Table(report.Columns, report.Cells, kTablePoints);
    for (const auto& [caption, lines] :
         {std::pair{in("Линии пикирования", "Pick lines"), &report.PickLines},
          std::pair{in("Добротность", "Quality factor"), &report.QualityLines}}) {
        if (lines->empty()) {
            continue;
        }
        flow.Gap();
        flow.Text(caption, kHeadingPoints, true);
        for (const std::string& line : *lines) {
            flow.Text(karvelo::Text(line), kTablePoints);
        }
    }
    flow.Finish();
    return painter.end();
}

}  // namespace

bool WriteReportPdf(const std::string& path, const PdfReport& report) {
    return WritePdfFile(path, [&report](QIODevice& device) { return WritePdf(device, report); });
}

}  // namespace karvelo
