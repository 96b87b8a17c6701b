// The summary under the report's table: the statistics of the measured quantity, the
// velocity used and where it came from, the points outside the design tolerance.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/language.h"
#include "report/line_checks.h"
#include "report/point_report.h"
#include "report/report_quantity.h"

namespace karvelo {

// Where the velocity of the thickness formula came from.
enum class VelocitySource {
    Typed,       // typed into the form
    Calibrated,  // from a point of known thickness
    Measured,    // a thickness was given: the velocity is the result at every point
    None,        // neither given: the report shows frequencies
    Arrivals,    // from the arrivals at two sensors: each point's own or the line's median
};

struct VelocityOrigin {
    VelocitySource Source = VelocitySource::Typed;
    std::uint32_t Point = 0;  // Calibrated: the point (0-based) and its thickness in m
    double Thickness = 0.0;
    // The line's median of the velocities from the arrivals (m/s), when they were measured.
    std::optional<double> ArrivalMedian;
};

// The origin the form's settings alone tell (typed, measured, none or the arrivals).
VelocityOrigin OriginOf(const ReportSettings& settings);

struct ReportSummary {
    ReportQuantity Quantity = ReportQuantity::Frequency;
    std::size_t Points = 0;
    std::size_t WithResult = 0;
    // Of the shown values (mm, m/s or Hz); the deviation (n - 1 in the denominator) and
    // the variation (deviation / mean, %) need two values and a mean that is not 0.
    double Mean = 0.0;
    double Min = 0.0;
    double Max = 0.0;
    std::optional<double> Deviation;
    std::optional<double> Variation;
    std::size_t Thinner = 0;  // against the design, when one was checked
    std::size_t Thicker = 0;
    std::size_t LineOutliers = 0;
};

// The summary of rows already marked by MarkLine.
ReportSummary Summarise(const std::vector<PointReport>& rows, ReportQuantity quantity);

// Everything a summary block says about a report, in order, as (name, value) pairs:
// with words false the names are machine names with units ("thickness_mean_mm") and the
// values plain; with words true both are the interface's words in TextLanguage
// ("Толщина: среднее, мм", "Thickness: mean, mm").
struct SummaryContext {
    const ReportSummary& Summary;
    const ReportSettings& Settings;
    const VelocityOrigin& Origin;
    const LineChecks& Checks;
    Language TextLanguage = Language::Russian;
};
std::vector<std::pair<std::string, std::string>> SummaryEntries(const SummaryContext& context,
                                                                bool words);

// One sentence in TextLanguage for the engineer's signature: the points outside the design
// tolerance, or that all are inside; empty when no design thickness was checked.
std::string Verdict(const SummaryContext& context);

}  // namespace karvelo
