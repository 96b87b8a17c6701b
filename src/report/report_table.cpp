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
    Velocity,
    VelocityRange,
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
    if (form.Velocity) {
        columns.insert(columns.end(), {Column::Velocity, Column::VelocityRange});
    }
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
        case Column::Velocity:
            return "cp_m_s";
        case Column::VelocityRange:
            return "cp_range_m_s";
        case Column::Design:
            return "design";
        default:
            return "flags";
    }
}

std::string Words(Column column, ReportQuantity quantity, Language language) {
    const std::string result = QuantityWord(quantity, language);
    const std::string unit = std::string(", ") + UnitWord(quantity, language);
    const auto in = [language](const char* russian, const char* english) {
        return std::string(InLanguage(language, russian, english));
    };
    switch (column) {
        case Column::Point:
            return in("Точка", "Point");
        case Column::Frequency:
            return in("Частота пика по бину, Гц", "Peak frequency by bin, Hz");
        case Column::Amplitude:
            return in("Амплитуда пика, отн.", "Peak amplitude, rel.");
        case Column::BinResult:
            return result + in(" по бину", " by bin") + unit;
        case Column::Refined:
            return in("Уточнённая частота, Гц", "Refined frequency, Hz");
        case Column::Result:
            return result + in(" по уточнённой частоте", " by refined frequency") + unit;
        case Column::Uncertainty:
            return std::string("± ") +
                   (quantity == ReportQuantity::Thickness  ? in("толщины", "thickness")
                    : quantity == ReportQuantity::Velocity ? in("скорости", "velocity")
                                                           : in("частоты", "frequency")) +
                   unit;
        case Column::Quality:
            return in("Добротность", "Quality factor");
        case Column::Hits:
            return in("Ударов в спектре", "Hits in spectrum");
        case Column::HitMin:
            return in("Частота ударов: мин., Гц", "Hit frequency: min., Hz");
        case Column::HitMedian:
            return in("Частота ударов: медиана, Гц", "Hit frequency: median, Hz");
        case Column::HitMax:
            return in("Частота ударов: макс., Гц", "Hit frequency: max., Hz");
        case Column::Velocity:
            return in("Cp, м/с", "Cp, m/s");
        case Column::VelocityRange:
            return in("Cp: макс. − мин., м/с", "Cp: max − min, m/s");
        case Column::Design:
            return in("Проектная толщина", "Design thickness");
        default:
            return in("Отметки", "Flags");
    }
}

// A design mark as a name ("within") or in words of language ("в допуске").
std::string MarkText(DesignMark mark, bool words, Language language) {
    switch (mark) {
        case DesignMark::Within:
            return words ? InLanguage(language, "в допуске", "within tolerance") : "within";
        case DesignMark::Thinner:
            return words ? InLanguage(language, "тоньше", "thinner") : "thinner";
        case DesignMark::Thicker:
            return words ? InLanguage(language, "толще", "thicker") : "thicker";
        default:
            return {};
    }
}

// The flags as names ("outlier-line 3:weak,outlier") or in words of language ("выброс
// по линии; удар 3: слабый, выброс").
std::string FlagsOf(const PointReport& row, bool words, Language language) {
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
        parts.emplace_back(InLanguage(language, "выброс по линии", "line outlier"));
    }
    for (const HitCheck& hit : row.Hits) {
        std::string marks;
        for (const HitFlag& flag : kHitFlags) {
            if (hit.*flag.Set) {
                marks += marks.empty() ? "" : ", ";
                marks += InLanguage(language, flag.Words, flag.EnglishWords);
            }
        }
        if (!marks.empty()) {
            parts.push_back(InLanguage(language, "удар ", "hit ") + std::to_string(hit.Trace) +
                            ": " + marks);
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
        names.push_back(form.Words ? Words(column, form.Quantity, form.TextLanguage)
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
            case Column::Velocity:
            case Column::VelocityRange: {
                std::optional<double> value;
                if (row.Velocity) {
                    value = column == Column::Velocity ? row.Velocity->Median : row.Velocity->Range;
                }
                cells.push_back(number(value, 0));
                break;
            }
            case Column::Design: {
                const std::string mark = MarkText(row.Design, form.Words, form.TextLanguage);
                cells.push_back(mark.empty() ? missing : mark);
                break;
            }
            default: {
                const std::string flags = FlagsOf(row, form.Words, form.TextLanguage);
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
