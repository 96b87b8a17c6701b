#include "report/report_table.h"

#include <ostream>

#include "common/text_file.h"
#include "report/report_numbers.h"

namespace karvelo {

namespace {

constexpr int kAmplitudeDecimals = 3;
constexpr int kQualityDecimals = 1;

enum class Column {
    Point,
    Frequency,
    Amplitude,
    BinResult,
    Refined,
    Result,
    Uncertainty,
    Quality,
    Hits,
    HitMin,
    HitMedian,
    HitMax,
    Design,
    Flags,
};

std::vector<Column> ColumnsOf(const ReportTableForm& form) {
    const bool derived = form.Quantity != ReportQuantity::Frequency;
    std::vector<Column> columns{Column::Point, Column::Frequency, Column::Amplitude};
    if (derived) {
        columns.push_back(Column::BinResult);
    }
    columns.push_back(Column::Refined);
    if (derived) {
        columns.push_back(Column::Result);
    }
    columns.insert(columns.end(), {Column::Uncertainty, Column::Quality, Column::Hits,
                                   Column::HitMin, Column::HitMedian, Column::HitMax});
    if (form.Design) {
        columns.push_back(Column::Design);
    }
    columns.push_back(Column::Flags);
    return columns;
}

std::string MachineName(Column column, ReportQuantity quantity) {
    const std::string result = std::string(QuantityName(quantity));
    const std::string unit = UnitName(quantity);
    switch (column) {
        case Column::Point:
            return "point";
        case Column::Frequency:
            return "frequency_hz";
        case Column::Amplitude:
            return "amplitude";
        case Column::BinResult:
            return result + "_bin_" + unit;
        case Column::Refined:
            return "frequency_refined_hz";
        case Column::Result:
            return result + "_" + unit;
        case Column::Uncertainty:
            return result + "_pm_" + unit;
        case Column::Quality:
            return "quality";
        case Column::Hits:
            return "hits";
        case Column::HitMin:
            return "hit_fmin_hz";
        case Column::HitMedian:
            return "hit_fmedian_hz";
        case Column::HitMax:
            return "hit_fmax_hz";
        case Column::Design:
            return "design";
        default:
            return "flags";
    }
}

std::string Words(Column column, ReportQuantity quantity) {
    const std::string result = QuantityWord(quantity);
    const std::string unit = std::string(", ") + UnitWord(quantity);
    switch (column) {
        case Column::Point:
            return "Точка";
        case Column::Frequency:
            return "Частота пика по бину, Гц";
        case Column::Amplitude:
            return "Амплитуда пика, отн.";
        case Column::BinResult:
            return result + " по бину" + unit;
        case Column::Refined:
            return "Уточнённая частота, Гц";
        case Column::Result:
            return result + " по уточнённой частоте" + unit;
        case Column::Uncertainty:
            return std::string("± ") +
                   (quantity == ReportQuantity::Thickness  ? "толщины"
                    : quantity == ReportQuantity::Velocity ? "скорости"
                                                           : "частоты") +
                   unit;
        case Column::Quality:
            return "Добротность";
        case Column::Hits:
            return "Ударов в спектре";
        case Column::HitMin:
            return "Частота ударов: мин., Гц";
        case Column::HitMedian:
            return "Частота ударов: медиана, Гц";
        case Column::HitMax:
            return "Частота ударов: макс., Гц";
        case Column::Design:
            return "Проектная толщина";
        default:
            return "Отметки";
    }
}

std::string MarkText(DesignMark mark, bool words) {
    switch (mark) {
        case DesignMark::Within:
            return words ? "в допуске" : "within";
        case DesignMark::Thinner:
            return words ? "тоньше" : "thinner";
        case DesignMark::Thicker:
            return words ? "толще" : "thicker";
        default:
            return {};
    }
}

// The flags as names ("outlier-line 3:weak,outlier") or in words ("выброс по линии;
// удар 3: слабый, выброс").
std::string FlagsOf(const PointReport& row, bool words) {
    if (!words) {
        std::string flags = row.LineOutlier ? "outlier-line" : "";
        const std::string hits = FlagsText(row.Hits);
        if (!hits.empty()) {
            flags += flags.empty() ? "" : " ";
            flags += hits;
        }
        return flags;
    }
    std::vector<std::string> parts;
    if (row.LineOutlier) {
        parts.emplace_back("выброс по линии");
    }
    for (const HitCheck& hit : row.Hits) {
        std::string marks;
        for (const auto& [set, word] :
             {std::pair{hit.Clipped, "ограничен"}, std::pair{hit.Weak, "слабый"},
              std::pair{hit.Outlier, "выброс"}}) {
            if (set) {
                marks += marks.empty() ? "" : ", ";
                marks += word;
            }
        }
        if (!marks.empty()) {
            parts.push_back("удар " + std::to_string(hit.Trace) + ": " + marks);
        }
    }
    std::string text;
    for (const std::string& part : parts) {
        text += text.empty() ? "" : "; ";
        text += part;
    }
    return text;
}

}  // namespace

std::vector<std::string> ReportColumns(const ReportTableForm& form) {
    std::vector<std::string> names;
    for (const Column column : ColumnsOf(form)) {
        names.push_back(form.Words ? Words(column, form.Quantity)
                                   : MachineName(column, form.Quantity));
    }
    return names;
}

std::vector<std::string> ReportCells(const PointReport& row, const ReportTableForm& form,
                                     const std::string& missing) {
    const ReportQuantity q = form.Quantity;
    const int decimals = DecimalsOf(q);
    const auto number = [&missing](const std::optional<double>& value, int digits) {
        return value ? FormatFixed(*value, digits) : missing;
    };
    const auto peak = [&row, &missing](const std::string& text) {
        return row.HasPeak ? text : missing;
    };
    const auto hit = [&row, &missing](double HitSpread::*member) {
        return row.Spread ? FormatFixed((*row.Spread).*member, 0) : missing;
    };
    std::vector<std::string> cells;
    for (const Column column : ColumnsOf(form)) {
        switch (column) {
            case Column::Point:
                cells.push_back(std::to_string(row.Point));
                break;
            case Column::Frequency:
                cells.push_back(peak(std::to_string(row.Frequency)));
                break;
            case Column::Amplitude:
                cells.push_back(peak(FormatFixed(row.Amplitude, kAmplitudeDecimals)));
                break;
            case Column::BinResult: {
                std::optional<double> value;
                if (row.HasPeak && row.Derived) {
                    value = q == ReportQuantity::Thickness ? *row.Derived * kMillimetresPerMetre
                                                           : static_cast<double>(*row.Derived);
                }
                cells.push_back(number(value, decimals));
                break;
            }
            case Column::Refined:
                cells.push_back(peak(FormatFixed(row.RefinedFrequency, 0)));
                break;
            case Column::Result:
                cells.push_back(number(ShownValue(row, q), decimals));
                break;
            case Column::Uncertainty:
                cells.push_back(number(ShownUncertainty(row, q), decimals));
                break;
            case Column::Quality:
                cells.push_back(row.HasPeak ? number(row.Quality, kQualityDecimals) : missing);
                break;
            case Column::Hits:
                cells.push_back(std::to_string(row.HitsUsed));
                break;
            case Column::HitMin:
                cells.push_back(hit(&HitSpread::Min));
                break;
            case Column::HitMedian:
                cells.push_back(hit(&HitSpread::Median));
                break;
            case Column::HitMax:
                cells.push_back(hit(&HitSpread::Max));
                break;
            case Column::Design: {
                const std::string mark = MarkText(row.Design, form.Words);
                cells.push_back(mark.empty() ? missing : mark);
                break;
            }
            default: {
                const std::string flags = FlagsOf(row, form.Words);
                cells.push_back(flags.empty() ? missing : flags);
            }
        }
    }
    return cells;
}

std::string CsvRecord(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        if (i > 0) {
            line += ',';
        }
        if (cell.find_first_of(",\"\r\n") == std::string::npos) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char c : cell) {
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        line += '"';
    }
    return line + "\r\n";
}

bool WriteReportCsv(const std::string& path, const std::vector<PointReport>& rows,
                    ReportTableForm form) {
    form.Words = false;
    return WriteTextFile(path, [&](std::ostream& out) {
        out << CsvRecord(ReportColumns(form));
        for (const PointReport& row : rows) {
            out << CsvRecord(ReportCells(row, form, ""));
        }
    });
}

}  // namespace karvelo
