// The velocity from the arrivals at two sensors and the impact checks as the report
// shows them: the flags of constructed hits, the point's median, the thickness from it.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_test_support.h"
#include "analysis/frequency_axis.h"
#include "fakes/struck_hit.h"
#include "report/hit_check.h"
#include "report/line_report.h"
#include "report/measured_velocity.h"
#include "report/report_table.h"

namespace karvelo {
namespace {

constexpr std::uint16_t kSamples = 2048;

class ArrivalReportTest : public testing::AnalysisTest {
  protected:
    // Record r: the hit sampled every dt s, in a little noise.
    void WriteHit(std::size_t record, double dt, const testing::StruckHit& hit) {
        testing::Noise noise(777 + record);
        WriteTrace(record, [&](std::size_t s) {
            return hit.At(static_cast<double>(s) * dt) + noise(0.002);
        });
    }

    // The band of the hit check: 3 .. 8 kHz around the plate's ringing.
    std::vector<HitCheck> Check() {
        const FrequencyAxis axis = MakeFrequencyAxis(kSamples, SampleInterval(profile_.image));
        const auto first = static_cast<std::uint32_t>(std::ceil(3000.0 / axis.Step));
        const auto last = static_cast<std::uint32_t>(8000.0 / axis.Step);
        return CheckHits(profile_, buffers_, 0, first, last, false);
    }
};

TEST_F(ArrivalReportTest, EachVelocityFlagIsRaisedByTheHitMadeForIt) {
    // Five hits on two sensors 300 mm apart, sampled every microsecond: two at 4000 m/s,
    // one at 4200 (5 % off the median), one whose far sensor hears it first, one at
    // 8000 m/s.
    constexpr double kDt = 1e-6;
    WriteProfile(10, 1, kSamples, 5);
    SetUpProfile(profile_, 5, 2);
    const double delays[] = {0.3 / 4000.0, 0.3 / 4000.0, 0.3 / 4200.0, -20e-6, 0.3 / 8000.0};
    for (std::size_t h = 0; h < 5; ++h) {
        const double onset = 300e-6 + 0.37e-6 * static_cast<double>(h);
        WriteHit(2 * h, kDt, {.Onset = onset});
        WriteHit(2 * h + 1, kDt, {.Onset = onset + delays[h], .Gain = 0.7});
    }
    std::vector<HitCheck> hits = Check();
    const auto point = MeasureHitVelocities(hits, 0.3);
    ASSERT_TRUE(point);
    EXPECT_EQ(FlagsText(hits), "4:cp-departs 6:dt-not-positive 8:cp-out-of-range");
    EXPECT_EQ(point->Hits, 3u);
    EXPECT_NEAR(point->Median, 4000.0, 40.0);
    EXPECT_NEAR(point->Range, 200.0, 40.0);
    EXPECT_FALSE(hits[6].Velocity);
    ASSERT_TRUE(hits[8].Velocity);
    EXPECT_NEAR(*hits[8].Velocity, 8000.0, 160.0);
    // One channel per hit: nothing to measure.
    std::vector<HitCheck> single(1);
    single[0].Arrival = 1e-4;
    EXPECT_FALSE(MeasureHitVelocities(single, 0.3));
}

TEST_F(ArrivalReportTest, LongContactAndSecondStrikeAreFlagged) {
    // Three hits ringing at 5 kHz, sampled every 2 us: a contact of 30 us (usable up to
    // 50 kHz), one of 400 us (up to 3.75 kHz, below the ringing), one struck again 3 ms
    // later at 0.7 of the first strike.
    constexpr double kDt = 2e-6;
    WriteProfile(3, 2, kSamples, 3);
    WriteHit(0, kDt, {});
    WriteHit(1, kDt, {.Contact = 400e-6});
    WriteHit(2, kDt, {.Second = 3.3e-3, .SecondAmplitude = 0.7});
    const std::vector<HitCheck> hits = Check();
    EXPECT_EQ(FlagsText(hits), "1:long-impact 2:double-hit");
    ASSERT_TRUE(hits[1].Contact && hits[0].Contact);
    EXPECT_NEAR(*hits[0].Contact, 30e-6, 3e-6);
    EXPECT_NEAR(*hits[1].Contact, 400e-6, 20e-6);
}

TEST(MeasuredVelocity, ThicknessFromEachPointsOwnOrTheLinesMedian) {
    // Three points ringing at 2400 Hz: measured 4000 and 4200 m/s, the third not.
    std::vector<PointReport> rows(3);
    const std::optional<double> velocities[] = {4000.0, 4200.0, std::nullopt};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].Point = static_cast<std::uint32_t>(i);
        rows[i].HasPeak = true;
        rows[i].Frequency = 2441;
        rows[i].RefinedFrequency = 2400.0;
        rows[i].FrequencyUncertainty = 24.0;
        if (velocities[i]) {
            rows[i].Velocity = PointVelocity{*velocities[i], 50.0, 2};
        }
    }
    ReportSettings settings;
    settings.ShapeFactor = 0.96;
    settings.VelocityOrThickness = 3000.0f;  // typed, and set aside
    struct Case {
        ArrivalVelocityUse Use;
        std::vector<std::string> Thickness;  // mm, as the table shows it
        const char* Origin;
    };
    const Case cases[] = {
        {ArrivalVelocityUse::Point, {"800.0", "840.0", "-"}, "arrivals point"},
        {ArrivalVelocityUse::Line, {"820.0", "820.0", "820.0"}, "arrivals line"},
        {ArrivalVelocityUse::Shown, {"600.0", "600.0", "600.0"}, "typed"},
    };
    for (const Case& c : cases) {
        settings.ArrivalVelocity = c.Use;
        std::vector<PointReport> typed = rows;
        for (PointReport& row : typed) {
            row.Result = 0.96 * 3000.0 / (2.0 * 2400.0);
        }
        const LineReport report = MakeLineReport(typed, settings, {});
        const ReportTableForm form = report.TableForm(false);
        const std::vector<std::string> columns = ReportColumns(form);
        ASSERT_EQ(columns[12], "cp_m_s");
        ASSERT_EQ(columns[13], "cp_range_m_s");
        ASSERT_EQ(columns[5], "thickness_mm");
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::vector<std::string> cells = ReportCells(report.Rows[i], form, "-");
            EXPECT_EQ(cells[5], c.Thickness[i]) << i;
            EXPECT_EQ(cells[12], i < 2 ? (i == 0 ? "4000" : "4200") : "-");
        }
        const ReportSummary summary = report.Summary();
        const auto entries =
            SummaryEntries({summary, report.Settings, report.Origin, report.Checks}, false);
        const auto origin = std::find_if(entries.begin(), entries.end(), [](const auto& e) {
            return e.first == "velocity_origin";
        });
        ASSERT_NE(origin, entries.end());
        EXPECT_EQ(origin->second, c.Origin);
        EXPECT_EQ(entries.back().first, "line_outliers");
    }
}

}  // namespace
}  // namespace karvelo
