// karvelo-cli analyse and report, run as a user runs them; what the recorded
// outputs already hold is left to the default outputs test.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "cli/run_cli.h"
#include "fakes/temp_file.h"

namespace karvelo {
namespace {

using testing::RunCli;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(CliAnalyse, DefaultBandAndRefinedFrequency) {
    EXPECT_NE(RunCli("analyse --default-band").out.find("band 0 80645\n"), std::string::npos);
    // On a listed maximum, its frequency between the bins; the click outside prints nothing.
    const auto r = RunCli("analyse --mode product --click 432,400 --click 10,10");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(Lines(r.out).back(), "refined 1557.14");
}

TEST(CliAnalyse, OptionsThatDoNotFitGetOneUsageLine) {
    for (const char* args : {"analyse --mode sideways",
                             "analyse --click 300",
                             "analyse --pick 1,2",
                             "analyse --mode profile --click 1,2",
                             "analyse --contrast 50",
                             "analyse --mode profile --contrast 101",
                             "analyse --velocity 1 --thickness 2",
                             "analyse --tmax 5",
                             "info --point 3",
                             "report --mode profile",
                             "",
                             "frobnicate",
                             "--channels 3 info",
                             "--nope info",
                             "info extra",
                             "dump-image",
                             "--hits",
                             "--files info",
                             "--files a.txt --profile 1 info",
                             "--whole-us info",
                             "report --beta 1.3",
                             "report --calibrate-point 1 --velocity 3",
                             "report --calibrate-point 10 --thickness 1",
                             "report --design-thickness 180 --tolerance 10",
                             "report --velocity 3780 --design-thickness 180",
                             "report --velocity 3780 --design-thickness -1 --tolerance 1",
                             "report --velocity 3780 --tolerance 5",
                             "report --outlier-share 1.5",
                             "report --outlier-share 0%",
                             "report --cp-from-arrivals both",
                             "report --thickness 1 --cp-from-arrivals point",
                             "report --sensor-spacing-mm 0",
                             "grid --sensor-spacing-mm 300",
                             "report --window cosine",
                             "report --window exp:0",
                             "report --window exp:150%",
                             "report --window exp25",
                             "grid --files x.txt --zero-pad 3",
                             "analyse --zero-pad 16",
                             "report --meta colour=red",
                             "report --meta structure",
                             "correlate 0 0 0 0",
                             "grid --files x.txt --name-pattern '([A-Z])'"}) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        ASSERT_FALSE(r.err.empty()) << args;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << args << ": " << r.err;
    }
}

// The CSV holds the printed table as records (the summary after it is not a record),
// no flags as an empty cell; calibrated at point 1 with its known thickness, every point
// gets that point's velocity and the summary says where it came from.
TEST(CliReport, CsvHoldsThePrintedTableAndCalibrationSetsTheVelocity) {
    const std::string csv = testing::TempFile("report.csv");
    auto r = RunCli("report --mode product --velocity 3780 --beta 0.96 --csv " + csv);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("\n1 1575 1.000 1152.0 1575 1151.8 2.0 "), std::string::npos)
        << r.out;  // beta 0.96, mm
    std::string records;
    for (std::string line : Lines(r.out)) {
        if (line.empty()) {
            break;
        }
        std::replace(line.begin(), line.end(), ' ', ',');
        if (line.ends_with(",-")) {
            line.pop_back();
        }
        records += line + "\r\n";
    }
    EXPECT_EQ(records.substr(0, records.find('\r')),
              "point,frequency_hz,amplitude,thickness_bin_mm,frequency_refined_hz,thickness_mm,"
              "thickness_pm_mm,quality,hits,hit_fmin_hz,hit_fmedian_hz,hit_fmax_hz,flags");
    EXPECT_EQ(testing::ReadWholeFile(csv), records);

    r = RunCli("report --mode product --calibrate-point 1 --thickness 1.2");
    ASSERT_EQ(r.status, 0) << r.out;
    const auto out = Lines(r.out);
    ASSERT_GE(out.size(), 13u);
    EXPECT_EQ(out[0], "calibration point 1 thickness 1.2 velocity 3780.63");
    EXPECT_NE(out[1].find(" thickness_mm "), std::string::npos);
    EXPECT_EQ(out[3].rfind("1 1575 1.000 1200.2 1575 1200.0 ", 0), 0u) << out[3];
    EXPECT_NE(r.out.find("\nvelocity_m_s 3781\nvelocity_origin calibrated point 1 thickness_m "
                         "1.2\n"),
              std::string::npos)
        << r.out;
}

}  // namespace
}  // namespace karvelo
