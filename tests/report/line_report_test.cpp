// A line of known thicknesses through the report: the words and units of its table, the
// marks against the design, the outliers along the line and the summary.
#include <gtest/gtest.h>

#include <cmath>

#include "report/line_report.h"
#include "report/report_numbers.h"

namespace karvelo {
namespace {

constexpr double kVelocity = 3780.0;
constexpr double kBeta = 0.96;

// A row whose refined frequency gives thickness mm at the velocity above.
PointReport RowOf(std::uint32_t point, double mm) {
    PointReport row;
    row.Point = point;
    row.HasPeak = true;
    const double metres = mm / 1000.0;
    row.RefinedFrequency = kBeta * kVelocity / (2.0 * metres);
    row.Frequency = static_cast<std::uint32_t>(row.RefinedFrequency);
    row.Amplitude = 1.0f;
    row.Derived = static_cast<float>(metres);
    row.Result = metres;
    row.Uncertainty = metres * 0.002;
    row.Quality = 25.04;
    row.HitsUsed = 1;
    return row;
}

TEST(LineReport, TableMarksOutliersAndSummaryOfAKnownLine) {
    // Design 180 +- 10 mm (point 5 on its upper limit). Point 1 (108 mm) and point 6
    // (248 mm) sit alone among 180 mm neighbours; points 8 .. 11 step down to 165 mm, a
    // real change that is no outlier.
    const double thickness[] = {180, 108, 181, 179, 180, 190, 248, 178, 165, 165, 164, 166};
    struct Expected {
        const char* design;
        const char* words;
        bool outlier;
    };
    const Expected within{"within", "в допуске", false};
    const Expected thinner{"thinner", "тоньше", false};
    const Expected expected[] = {
        within,
        {"thinner", "тоньше", true},
        within,
        within,
        within,
        within,
        {"thicker", "толще", true},
        within,
        thinner,
        thinner,
        thinner,
        thinner,
    };
    std::vector<PointReport> rows;
    for (std::uint32_t k = 0; k < std::size(thickness); ++k) {
        rows.push_back(RowOf(k, thickness[k]));
    }
    PointReport empty;  // no maximum in the band
    empty.Point = 12;
    rows.push_back(empty);
    ReportSettings settings;
    settings.VelocityOrThickness = static_cast<float>(kVelocity);
    settings.ShapeFactor = kBeta;
    LineChecks checks;
    checks.Design = DesignTolerance{180.0, 10.0};
    const LineReport report = MakeLineReport(rows, settings, checks);

    const ReportTableForm machine = report.TableForm(false);
    EXPECT_EQ(ReportColumns(machine),
              (std::vector<std::string>{"point", "frequency_hz", "amplitude", "thickness_bin_mm",
                                        "frequency_refined_hz", "thickness_mm", "thickness_pm_mm",
                                        "quality", "hits", "hit_fmin_hz", "hit_fmedian_hz",
                                        "hit_fmax_hz", "design", "flags"}));
    EXPECT_EQ(ReportColumns(report.TableForm(true))[5], "Толщина по уточнённой частоте, мм");
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        SCOPED_TRACE(k);
        const std::vector<std::string> cells = ReportCells(report.Rows[k], machine, "-");
        EXPECT_EQ(cells[3], FormatFixed(thickness[k], 1));  // mm to a tenth
        EXPECT_EQ(cells[5], FormatFixed(thickness[k], 1));
        EXPECT_EQ(cells[6], FormatFixed(thickness[k] * 0.002, 1));
        EXPECT_EQ(cells[7], "25.0");
        EXPECT_EQ(cells[12], expected[k].design);
        EXPECT_EQ(cells[13], expected[k].outlier ? "outlier-line" : "-");
        EXPECT_EQ(ReportCells(report.Rows[k], report.TableForm(true), "-")[12], expected[k].words);
    }
    EXPECT_EQ(ReportCells(report.Rows.back(), machine, "-")[5], "-");

    const ReportSummary summary = report.Summary();
    double mean = 0.0;
    for (const double t : thickness) {
        mean += t / std::size(thickness);
    }
    double squares = 0.0;
    for (const double t : thickness) {
        squares += (t - mean) * (t - mean);
    }
    const double deviation = std::sqrt(squares / (std::size(thickness) - 1));
    EXPECT_EQ(summary.Points, 13u);
    EXPECT_EQ(summary.WithResult, 12u);
    EXPECT_NEAR(summary.Mean, mean, 1e-9);
    ASSERT_TRUE(summary.Deviation);
    EXPECT_NEAR(*summary.Deviation, deviation, 1e-9);
    EXPECT_NEAR(*summary.Variation, deviation / mean * 100.0, 1e-9);
    EXPECT_NEAR(summary.Min, 108.0, 1e-9);
    EXPECT_NEAR(summary.Max, 248.0, 1e-9);
    EXPECT_EQ(summary.Thinner, 5u);  // 108 and the 165 mm step
    EXPECT_EQ(summary.Thicker, 1u);
    EXPECT_EQ(summary.LineOutliers, 2u);

    const SummaryContext context{summary, report.Settings, report.Origin, report.Checks};
    const auto entries = SummaryEntries(context, false);
    const auto value = [&entries](const std::string& name) {
        for (const auto& [key, text] : entries) {
            if (key == name) {
                return text;
            }
        }
        return std::string("absent");
    };
    EXPECT_EQ(value("thickness_mean_mm"), FormatFixed(mean, 1));
    EXPECT_EQ(value("thickness_min_mm"), "108.0");
    EXPECT_EQ(value("velocity_m_s"), "3780");
    EXPECT_EQ(value("velocity_origin"), "typed");
    EXPECT_EQ(value("outside_tolerance"), "6");
    EXPECT_EQ(value("outside_tolerance_percent"), "50.0");
    EXPECT_EQ(value("line_outliers"), "2");
    EXPECT_EQ(Verdict(context),
              "Вне проектной толщины 180 ± 10 мм: 6 из 12 точек с результатом (тоньше 5, "
              "толще 1).");

    // A share of 80 % flags nothing; a flat line has no deviation to speak of.
    checks.OutlierShare = 0.8;
    EXPECT_EQ(MakeLineReport(rows, settings, checks).Summary().LineOutliers, 0u);
    const LineReport flat = MakeLineReport({RowOf(0, 200.0)}, settings, {});
    EXPECT_FALSE(flat.Summary().Deviation);
    EXPECT_FALSE(flat.Rows[0].LineOutlier);
}

}  // namespace
}  // namespace karvelo
