// The velocity from the arrivals at two sensors through karvelo-cli: a generated
// two-channel line whose velocity and thickness are known, and the marks of the arrivals
// on the trace panel.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "fakes/struck_hit.h"
#include "fakes/temp_file.h"

namespace karvelo::testing {
namespace {

constexpr double kDt = 2e-6;
constexpr int kSamples = 2048;

// One hit of a plate h m thick with the velocity cp: channel 1 heard at 300 us plus
// 150 mm of travel, channel 2 300 mm further on; a first pulse of 40 us, then the
// thickness ringing of 0.96 cp / (2 h).
void WritePair(const std::string& path, double cp, double h) {
    const StruckHit near{.Onset = 300e-6 + 0.15 / cp,
                         .Contact = 40e-6,
                         .RingHz = 0.96 * cp / (2.0 * h),
                         .RingAmplitude = 1.0,
                         .RingDecay = 2.5e-3,
                         .RingAfterContact = false};
    StruckHit far = near;
    far.Onset = 300e-6 + 0.45 / cp;
    far.Gain = 0.7;
    FILE* out = std::fopen(path.c_str(), "w");
    for (int i = 0; i < kSamples; ++i) {
        const double t = i * kDt;
        std::fprintf(out, "%.6E\t%.6E\t%.6E\n", t, near.At(t), far.At(t));
    }
    std::fclose(out);
}

std::vector<std::string> Fields(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> fields;
    for (std::string field; in >> field;) {
        fields.push_back(field);
    }
    return fields;
}

TEST(CliArrivals, VelocityAndThicknessOfAGeneratedLineWithinOneAndTwoPercent) {
    const std::string dir = TempFile("pairs-");
    std::filesystem::create_directories(dir);
    struct Point {
        double Cp;
        double H;
    };
    const Point points[] = {{3600.0, 0.76}, {4000.0, 0.72}, {4400.0, 0.8}};
    std::string files;
    for (std::size_t k = 0; k < std::size(points); ++k) {
        const std::string path = dir + "/P-" + std::to_string(k + 1) + ".txt";
        WritePair(path, points[k].Cp, points[k].H);
        files += " " + path;
    }
    const std::string csv = dir + "/report.csv";
    const CliResult r = RunCli("--files" + files +
                               " --channels both report --sensor-spacing-mm 300 "
                               "--cp-from-arrivals point --beta 0.96 --csv " +
                               csv);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    std::istringstream out(r.out);
    std::string line;
    std::getline(out, line);
    const std::vector<std::string> header = Fields(line);
    ASSERT_EQ(header.size(), 15u) << line;
    EXPECT_EQ(header[12], "cp_m_s");
    EXPECT_EQ(header[13], "cp_range_m_s");
    for (const Point& p : points) {
        std::getline(out, line);
        const std::vector<std::string> cells = Fields(line);
        ASSERT_EQ(cells.size(), 15u) << line;
        EXPECT_NEAR(std::stod(cells[12]), p.Cp, 0.01 * p.Cp) << line;
        EXPECT_NEAR(std::stod(cells[5]), p.H * 1000.0, 0.02 * p.H * 1000.0) << line;
        EXPECT_EQ(cells[14], "-") << line;
    }
    EXPECT_NE(r.out.find("\nvelocity_origin arrivals point\nsensor_spacing_mm 300\n"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(ReadWholeFile(csv).substr(0, ReadWholeFile(csv).find('\r')),
              "point,frequency_hz,amplitude,thickness_bin_mm,frequency_refined_hz,thickness_mm,"
              "thickness_pm_mm,quality,hits,hit_fmin_hz,hit_fmedian_hz,hit_fmax_hz,cp_m_s,"
              "cp_range_m_s,flags");
    // One channel a hit: the columns stay empty and a note says why.
    const CliResult one = RunCli("--channels 1 report --cp-from-arrivals line");
    ASSERT_EQ(one.status, 0);
    EXPECT_NE(one.err.find("note: the profile holds one channel a hit"), std::string::npos);
    EXPECT_NE(one.out.find("\n0 1559 1.000 - 1557 - - "), std::string::npos) << one.out;
}

// Pixels of the arrival marks' red in a PNG.
int RedPixels(const std::string& path) {
    const QImage image(QString::fromStdString(path));
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == qRgb(220, 0, 0) ? 1 : 0;
        }
    }
    return count;
}

TEST(CliArrivals, TracePanelMarksTheShownHitsTwoArrivalsOnlyWhenAsked) {
    // The built-in line: hit 1 of point 0 is traces 2 and 3; a mark is 17 x 2 pixels.
    const std::string plain = TempFile("marks-off.png");
    const std::string marked = TempFile("marks-on.png");
    const std::string one = TempFile("marks-one-channel.png");
    ASSERT_EQ(RunCli("--hits 5 analyse --trace 3 --png " + plain).status, 0);
    ASSERT_EQ(RunCli("--hits 5 analyse --trace 3 --sensor-spacing-mm 300 --png " + marked).status,
              0);
    ASSERT_EQ(RunCli("--channels 1 --hits 5 analyse --sensor-spacing-mm 300 --png " + one).status,
              0);
    EXPECT_EQ(RedPixels(plain), 0);
    EXPECT_EQ(RedPixels(marked), 2 * 17 * 2);
    EXPECT_EQ(RedPixels(one), 0);
    const QImage image(QString::fromStdString(marked));
    // Both marks lie on the columns of traces 2 and 3 (of 10 across the 900-pixel plot).
    for (const int trace : {2, 3}) {
        const int centre = 175 + 50 + 45 + trace * 90;
        int here = 0;
        for (int y = 0; y < image.height(); ++y) {
            here += image.pixel(centre, y) == qRgb(220, 0, 0) ? 1 : 0;
        }
        EXPECT_EQ(here, 2) << trace;
    }
}

}  // namespace
}  // namespace karvelo::testing
