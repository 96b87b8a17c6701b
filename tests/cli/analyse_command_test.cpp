// karvelo-cli analyse, report and correlate, run as a user runs them.
#include <gtest/gtest.h>

#include <QImage>
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

bool HasLine(const std::string& text, const std::string& line) {
    for (const auto& l : Lines(text)) {
        if (l == line) {
            return true;
        }
    }
    return false;
}

TEST(CliAnalyse, BandPeaksAndSpectrumFile) {
    const std::string path = testing::TempFile("s.txt");
    const auto r = RunCli("analyse --mode single --fmin 0 --fmax 3000 --spectrum " + path);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const auto out = Lines(r.out);
    ASSERT_FALSE(out.empty());
    EXPECT_EQ(out[0], "band 0 3000");
    EXPECT_TRUE(HasLine(r.out, "peak (1559;1.000e+000)")) << r.out;
    EXPECT_EQ(Lines(testing::ReadWholeFile(path)).size(), 192u);
}

TEST(CliAnalyse, DefaultBandAndClicks) {
    auto r = RunCli("analyse --default-band");
    EXPECT_TRUE(HasLine(r.out, "band 0 80645")) << r.out;

    // A click on the dominant peak of point 0 with a velocity and the quality display.
    r = RunCli("analyse --mode product --velocity 3780 --quality --click 432,400 --click 10,10");
    ASSERT_EQ(r.status, 0) << r.out;
    const auto out = Lines(r.out);
    ASSERT_GE(out.size(), 3u);
    EXPECT_EQ(out[out.size() - 3], "frequency 1556.64");
    EXPECT_EQ(out[out.size() - 2], "derived 1.21415");
    EXPECT_EQ(out.back().rfind("quality ", 0), 0u);  // the click outside prints nothing
}

TEST(CliAnalyse, RefusedBandIsPrintedAsAnError) {
    const auto r = RunCli("analyse --fmin 2000 --fmax 1000");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "error: Invalid value entered.\nband 2000 1000\n");
}

TEST(CliAnalyse, ProfileMapPicksAndPng) {
    const std::string png = testing::TempFile("map.png");
    const std::string picks = testing::TempFile("picks.txt");
    const auto r = RunCli(
        "analyse --mode profile --contrast 20 --pick 400,450 --pick 500,460 "
        "--pick-ok --pick 700,500 --pick-ok --png " +
        png + " --save-picks " + picks);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "band 0 3000\n");
    EXPECT_EQ(Lines(testing::ReadWholeFile(picks)).size(), 5u);
    QImage image(QString::fromStdString(png));
    ASSERT_EQ(image.size(), QSize(1280, 720));
    EXPECT_NE(image.pixel(700, 500), qRgb(255, 255, 255));  // the map: no palette colour is white
}

TEST(CliAnalyse, OptionsThatDoNotFit) {
    for (const char* args :
         {"analyse --mode sideways", "analyse --click 300", "analyse --pick 1,2",
          "analyse --mode profile --click 1,2", "analyse --contrast 50",
          "analyse --mode profile --contrast 101", "analyse --velocity 1 --thickness 2",
          "analyse --tmax 5", "info --point 3", "report --mode profile"}) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << args << ": " << r.err;
    }
}

TEST(CliReport, OneLinePerPointWithTheStrongestListedMaximum) {
    const auto r = RunCli("report --velocity 3780");
    ASSERT_EQ(r.status, 0) << r.out;
    const auto out = Lines(r.out);
    ASSERT_EQ(out.size(), 11u);
    EXPECT_EQ(out[0], "point frequency amplitude derived");
    EXPECT_EQ(out[1], "0 1559 1 1.21232");
    EXPECT_EQ(out[6].rfind("5 25", 0), 0u) << out[6];  // the shallower reflector
}

TEST(CliCorrelate, TraceWithItselfAndValuesFile) {
    const std::string values = testing::TempFile("corr.txt");
    auto r = RunCli("correlate 0 0 0 0 --full-range --values " + values);
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out, "lags 4095\nlargest 1 at 0\n");
    const auto lines = Lines(testing::ReadWholeFile(values));
    ASSERT_EQ(lines.size(), 4095u);
    EXPECT_EQ(lines[0].rfind("-63457  ", 0), 0u);

    r = RunCli("correlate 0 0 10 0 --tmax 100");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "error: Invalid value entered.\n");
    r = RunCli("correlate 0 0 0 0");
    EXPECT_EQ(r.status, 2);
}

}  // namespace
}  // namespace karvelo
