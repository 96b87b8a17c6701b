// The contents of the PDF report from the form's line: the object, method and summary
// blocks, the map of the form's band and contrast, the curve, the table, the picks.
#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <fstream>

#include "analysis/analysis_buffers.h"
#include "analysis/band.h"
#include "analysis/frequency_axis.h"
#include "analysis/quality.h"
#include "analysis/spectrum_modes.h"
#include "app/report_pdf.h"
#include "app/surface_text_painter.h"
#include "common/number_format.h"
#include "plot/pick_store.h"
#include "plot/plot_panels.h"
#include "plot/report_curve.h"
#include "profile/profile_image.h"
#include "profile/profile_loader.h"
#include "report/report_numbers.h"
#include "report/source_files.h"
#include "report/spectral_text.h"
#include "session/document_title.h"
#include "session/form_session.h"

namespace karvelo {

namespace {

// The curve's panel in surface pixels: drawn across a landscape page its labels stand
// above 8 pt.
constexpr int kCurveWidth = 900;
constexpr int kCurveHeight = 330;
constexpr float kContrastScale = 100.0f;  // of the form's contrast bar
constexpr double kLeastTop = 0.01;        // of the colour scale under the largest contrast

const char* ModeName(std::int32_t mode, Language language) {
    switch (mode) {
        case kAveragedSpectrum:
            return InLanguage(language, "усреднённый спектр ударов",
                              "averaged spectrum of the hits");
        case kSpectrumProduct:
            return InLanguage(language, "произведение спектров ударов",
                              "product of the hits' spectra");
        default:
            return InLanguage(language, "спектр одной трассы", "spectrum of one trace");
    }
}

// The band as the spectra cut it: the frequencies of its first and last bin.
std::pair<double, double> BandFrequencies(const FrequencyAxis& axis, int fMin, int fMax) {
    const std::uint32_t bins = std::min<std::uint32_t>(axis.BinCount, kMaxSpectrumBins);
    if (bins == 0) {
        return {0.0, 0.0};
    }
    std::vector<std::uint32_t> frequencies(bins);
    for (std::uint32_t k = 0; k < bins; ++k) {
        frequencies[k] = TruncateToHz(k * axis.Step);
    }
    const BandBins band = SelectBand(fMin, fMax, frequencies);
    return {frequencies[band.First], frequencies[band.Last]};
}

NamedValues MethodBlock(const Document& document, const LineReport& report,
                        const FormState& state) {
    const Profile& profile = document.CurrentProfile();
    const ReportSettings& settings = report.Settings;
    const Language language = report.TextLanguage;
    const auto in = [language](const char* russian, const char* english) {
        return std::string(InLanguage(language, russian, english));
    };
    const std::uint32_t samples = SamplesPerTrace(profile.image);
    const std::uint32_t interval = SampleInterval(profile.image);
    const bool microseconds = TimeInMicroseconds(samples, profile.Unit);
    const FrequencyAxis axis =
        MakeFrequencyAxis(samples, interval, profile.Unit, settings.Spectral.ZeroPad);
    const std::uint32_t hitsPerPoint = profile.HitsPerPoint;
    const std::uint32_t channels = hitsPerPoint == 0 ? 0 : profile.TracesPerPoint / hitsPerPoint;
    const std::string hits = settings.SpectrumMode == kSingleTrace
                                 ? in("1 (трасса ", "1 (trace ") +
                                       std::to_string(state.TraceNumber) +
                                       in(" каждой точки)", " of every point)")
                                 : std::to_string(profile.TracesPerPoint);
    const auto [first, last] = BandFrequencies(axis, state.FMin, state.FMax);
    const std::string timeUnit = microseconds ? in(" мкс", " µs") : in(" пс", " ps");
    const double secondsPerUnit = microseconds ? 1e-6 : 1e-12;
    NamedValues method{
        {in("Исходные файлы", "Source files"),
         // A built-in profile's name is a word of the interface.
         DescribeSourceFiles(
             document.LoadedSource.Files.empty() && language != Language::Russian
                 ? std::vector{BuiltInProfileName(document.LoadedSource.BuiltIn, language)}
                 : profile.Source.Names,
             language)},
        {in("Точек на профиле", "Points on the profile"), std::to_string(profile.PointCount)},
        {in("Каналов в точке", "Channels per point"),
         std::to_string(channels) + in(" (записано каналов: ", " (channels recorded: ") +
             std::to_string(profile.Source.Channels) + ")"},
        {in("Ударов в точке", "Hits per point"), std::to_string(hitsPerPoint)},
        {in("Трасс в спектре точки", "Traces in a point's spectrum"), hits},
        {in("Спектр", "Spectrum"), ModeName(settings.SpectrumMode, language)},
        {in("Полоса поиска пика, Гц", "Peak search band, Hz"),
         std::to_string(state.FMin) + " … " + std::to_string(state.FMax) +
             in(" (бины ", " (bins ") + FormatFixed(first, 0) + " … " + FormatFixed(last, 0) + ")"},
        {in("Удаление тренда", "Trend removal"),
         settings.Detrend
             ? in("да (линейный тренд каждой трассы)", "yes (linear trend of each trace)")
             : in("нет", "no")},
        {in("Коэффициент формы β", "Shape factor β"), FormatDefault(settings.ShapeFactor)},
    };
    // The described spectrum states nothing; other spectral options name themselves.
    if (settings.Spectral.Window != SpectralWindow::None) {
        method.emplace_back(in("Окно перед преобразованием", "Window before the transform"),
                            DescribeWindow(settings.Spectral, language));
    }
    if (settings.Spectral.ZeroPad > 1) {
        method.emplace_back(in("Дополнение нулями", "Zero padding"),
                            DescribeZeroPad(settings.Spectral, language));
    }
    const double velocity = settings.VelocityOrThickness;
    switch (report.Origin.Source) {
        case VelocitySource::Calibrated:
            method.emplace_back(
                in("Скорость волны Cp, м/с", "Wave velocity Cp, m/s"),
                FormatFixed(velocity, 0) + in(" (калибровка в точке ", " (calibrated at point ") +
                    std::to_string(report.Origin.Point) + in(" при толщине ", " of thickness ") +
                    FormatDefault(report.Origin.Thickness) + in(" м)", " m)"));
            break;
        case VelocitySource::Measured:
            method.emplace_back(
                in("Заданная толщина, м", "Given thickness, m"),
                FormatDefault(velocity) + in(" (скорость измеряется в каждой точке)",
                                             " (the velocity is measured at every point)"));
            break;
        case VelocitySource::None:
            method.emplace_back(
                in("Скорость волны Cp", "Wave velocity Cp"),
                in("не задана: отчёт в частотах", "not given: the report is in frequencies"));
            break;
        case VelocitySource::Arrivals:
            method.emplace_back(in("Скорость волны Cp, м/с", "Wave velocity Cp, m/s"),
                                settings.ArrivalVelocity == ArrivalVelocityUse::Point
                                    ? in("по двум датчикам, своя в каждой точке (столбец Cp)",
                                         "from two sensors, each point its own (column Cp)")
                                    : FormatFixed(report.Origin.ArrivalMedian.value_or(0.0), 0) +
                                          in(" (медиана линии по двум датчикам)",
                                             " (the line's median from two sensors)"));
            break;
        default:
            method.emplace_back(in("Скорость волны Cp, м/с", "Wave velocity Cp, m/s"),
                                FormatFixed(velocity, 0) + in(" (введена)", " (typed)"));
    }
    if (report.Origin.ArrivalMedian) {
        method.emplace_back(
            in("Cp по двум датчикам", "Cp from two sensors"),
            in("база ", "spacing ") + FormatDefault(settings.SensorSpacingMm) +
                in(" мм; Cp = база / (t2 − t1), вступления по критерию Акаике до первого пика; "
                   "медиана ударов точки",
                   " mm; Cp = spacing / (t2 − t1), arrivals by the Akaike criterion up to the "
                   "first peak; the median of the point's hits"));
    }
    method.emplace_back(in("Формула", "Formula"), settings.ThicknessGiven != 0
                                                      ? "Cp = 2 · h · f / β"
                                                      : "h = β · Cp / (2 · f)");
    method.emplace_back(in("Шаг дискретизации", "Sample interval"),
                        std::to_string(interval) + timeUnit);
    method.emplace_back(in("Длина записи", "Record length"),
                        std::to_string(samples) + in(" отсчётов, ", " samples, ") +
                            FormatDefault(samples * interval * secondsPerUnit * 1e3) +
                            in(" мс", " ms"));
    method.emplace_back(in("Шаг по частоте Δf, Гц", "Frequency step Δf, Hz"),
                        FormatFixed(axis.Step, 1));
    const ReportSummary summary = report.Summary();
    if (report.Quantity() == ReportQuantity::Thickness && summary.WithResult > 0 &&
        velocity > 0.0) {
        // dh = h * df / f with f = beta Cp / (2 h): the step of h between neighbouring bins.
        const double h = summary.Mean / kMillimetresPerMetre;
        const double resolution = 2.0 * h * h * axis.Step / (settings.ShapeFactor * velocity);
        method.emplace_back(
            in("Разрешение по толщине при средней толщине ",
               "Thickness resolution at the mean thickness ") +
                FormatFixed(summary.Mean, 1) + in(" мм", " mm"),
            FormatFixed(resolution * kMillimetresPerMetre, 1) +
                in(" мм на бин; уточнение пика между бинами даёт ± в таблице",
                   " mm per bin; refining the peak between bins gives the ± of the table"));
    }
    method.emplace_back(in("Программа", "Program"), std::string("Karvelo ") + KARVELO_VERSION);
    method.emplace_back(in("Отчёт составлен", "Report made"),
                        QDateTime::currentDateTime().toString(Qt::ISODate).toStdString());
    return method;
}

std::vector<std::string> PickFileLines(const PickStore& store) {
    std::vector<std::string> lines;
    if (!store.PickFileWritten || store.PickFilePath.empty()) {
        return lines;
    }
    std::ifstream file(store.PickFilePath);
    for (std::string line; std::getline(file, line);) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<std::string> QualityValueLines(const QualityTable& table) {
    std::vector<std::string> lines;
    for (std::int32_t k = 0; k < table.QualityCount; ++k) {
        const QualityRecord& record = table.QualityRecords[static_cast<std::size_t>(k)];
        lines.push_back(std::to_string(record.PointIndex) + "  " +
                        FormatDefault(record.PeakFrequency) + "  " + FormatDefault(record.Quality));
    }
    return lines;
}

std::optional<PdfMap> ComposeMap(FormSession& session) {
    const Profile& profile = session.Doc().CurrentProfile();
    const std::uint32_t points = profile.PointCount;
    if (points == 0) {
        return std::nullopt;
    }
    Surface surface;
    const SurfaceTextPainter text(surface);
    session.RenderProfileMap(surface);
    const FormState& state = session.State();
    const PlotLayout layout = ProfileMapLayout(0.0f);
    PdfMap map;
    // Inside the frame's border lines.
    map.Pixels = text.Image().copy(layout.FrameLeft() + 1, layout.FrameTop() + 1,
                                   layout.PlotWidth() - 1, layout.PlotHeight() - 1);
    map.FirstPoint = 0.0;
    map.LastPoint = points > 0 ? points - 1.0 : 0.0;
    const FrequencyAxis axis =
        MakeFrequencyAxis(SamplesPerTrace(profile.image), SampleInterval(profile.image),
                          profile.Unit, state.Spectral.ZeroPad);
    std::tie(map.FirstFrequency, map.LastFrequency) = BandFrequencies(axis, state.FMin, state.FMax);
    map.Top = std::max(kLeastTop, 1.0 - static_cast<double>(state.ContrastPos) / kContrastScale);
    return map;
}

}  // namespace

PdfReport ComposeReport(FormSession& session, const LineReport& report) {
    PdfReport pdf;
    pdf.TextLanguage = report.TextLanguage;
    for (std::size_t i = 0; i < kObjectFields.size(); ++i) {
        if (!report.Object[i].empty()) {
            pdf.Object.emplace_back(kObjectFields[i].LabelIn(report.TextLanguage),
                                    report.Object[i]);
        }
    }
    pdf.Method = MethodBlock(session.Doc(), report, session.State());
    const ReportSummary summary = report.Summary();
    const SummaryContext context = report.Context(summary);
    pdf.Summary = SummaryEntries(context, true);
    pdf.Verdict = Verdict(context);
    pdf.Map = ComposeMap(session);
    {
        Surface curve;
        const SurfaceTextPainter text(curve);
        DrawReportCurve(curve, kCurveWidth, kCurveHeight, report);
        pdf.Curve = text.Image().copy(0, 0, kCurveWidth, kCurveHeight);
    }
    const ReportTableForm form = report.TableForm(true);
    pdf.Columns = ReportColumns(form);
    for (const PointReport& row : report.Rows) {
        pdf.Cells.push_back(ReportCells(row, form, "–"));
    }
    pdf.PickLines = PickFileLines(session.Doc().Picks);
    pdf.QualityLines = QualityValueLines(session.Doc().Quality);
    return pdf;
}

}  // namespace karvelo
