// karvelo-cli grid: positions from file names, each position's dominant frequency, the
// CSV grid with its empty cells, and names that give no position.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "cli/run_cli.h"
#include "fakes/sine_recording.h"
#include "fakes/temp_file.h"

namespace karvelo::testing {
namespace {

// A damped sine of 400 samples at 10 us (bins 250 Hz apart).
std::string WriteHit(const std::string& name, double hz) {
    const std::string path = TempFile(name);
    WriteSineRecording(path, {.Hz = hz, .DecaySeconds = 1e-3});
    return path;
}

TEST(CliGrid, CellsCarryTheFrequenciesOfTheirFiles) {
    // Rows G and H, columns 1 .. 3; H-2 was struck twice, G-3 was not measured, and
    // H-3 rings lower (a delamination).
    std::string files;
    for (const char* name : {"G-01", "G-2", "H-01", "H-02_a", "H-02_b", "H-03"}) {
        const double hz = std::string(name) == "H-03" ? 3000.0 : 5000.0;
        files += WriteHit(std::string("grid-") + name + ".txt", hz) + " ";
    }
    const std::string csv = TempFile("grid.csv");
    const auto r = RunCli("grid --name-pattern 'grid-([A-Z])-0*([0-9]+)' --files " + files +
                          "--fmin 1000 --fmax 20000 --csv " + csv);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const std::string table = ReadWholeFile(csv);
    double g1 = 0, g2 = 0, h1 = 0, h2 = 0, h3 = 0;
    ASSERT_EQ(std::sscanf(table.c_str(), "row,1,2,3\r\nG,%lf,%lf,\r\nH,%lf,%lf,%lf\r\n", &g1, &g2,
                          &h1, &h2, &h3),
              5)
        << table;
    for (const double cell : {g1, g2, h1, h2}) {
        EXPECT_NEAR(cell, 5000.0, 250.0);
    }
    EXPECT_NEAR(h3, 3000.0, 250.0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);  // header and two rows

    // Names of x and y coordinates, as instruments number a grid, place their files
    // without a pattern: x is the column, y the row.
    const std::string folder = TempFile("xy");
    std::filesystem::create_directories(folder);
    std::string coordinates;
    for (const char* name : {"x10y08--00001", "x10y09--00002", "x11y08--00000", "x11y09--00007"}) {
        coordinates += folder + "/" + name + ".txt ";
        WriteSineRecording(folder + "/" + name + ".txt", {.Hz = 5000.0, .DecaySeconds = 1e-3});
    }
    const std::string xy = TempFile("xy.csv");
    ASSERT_EQ(RunCli("grid --files " + coordinates + "--fmin 1000 --fmax 20000 --csv " + xy).status,
              0);
    const std::string placed = ReadWholeFile(xy);
    EXPECT_EQ(placed.rfind("row,10,11\r\ny08,", 0), 0u) << placed;
    EXPECT_NE(placed.find("\r\ny09,"), std::string::npos) << placed;

    // A name the pattern cannot place refuses the grid and names the file.
    const auto odd =
        RunCli("grid --files " + WriteHit("grid-notes.txt", 5000.0) + " " +
               WriteHit("grid-G-9.txt", 5000.0) + " --name-pattern 'grid-([A-Z])-([0-9]+)'");
    EXPECT_EQ(odd.status, 2);
    EXPECT_EQ(odd.err.rfind("Cannot read file.\n", 0), 0u) << odd.err;
    EXPECT_NE(odd.err.find("grid-notes.txt: the name gives no grid position"), std::string::npos);
}

TEST(CliGrid, TakesTheReadingOptionsAndSaysWhatTheFitDid) {
    // One column of 4000 amplitudes of 5 kHz at 2.5 us: the interval from --interval-us,
    // the whole record fitted onto 5 us, said once for the grid.
    std::string files;
    for (const char* name : {"fit-A-1.txt", "fit-A-2.txt"}) {
        std::string column;
        for (int k = 0; k < 4000; ++k) {
            column += std::to_string(std::sin(2 * 3.141592653589793 * 5000.0 * k * 2.5e-6)) + "\n";
        }
        const std::string path = TempFile(name);
        std::ofstream(path) << column;
        files += path + " ";
    }
    const std::string options =
        "grid --name-pattern 'fit-([A-Z])-([0-9]+)' --fmin 1000 "
        "--fmax 20000 --files " +
        files;
    const auto r = RunCli(options + "--interval-us 2.5");
    ASSERT_EQ(r.status, 0) << r.err;
    // (A slow machine may add progress lines before it.)
    const std::string note =
        "4000 samples at 2.5 us resampled to 2000 at 5 us (whole record kept)\n";
    EXPECT_TRUE(r.err.ends_with(note)) << r.err;
    EXPECT_EQ(r.err.find(note), r.err.size() - note.size()) << r.err;
    double a1 = 0, a2 = 0;
    ASSERT_EQ(std::sscanf(r.out.c_str(), "row 1 2\nA %lf %lf\n", &a1, &a2), 2) << r.out;
    EXPECT_NEAR(a1, 5000.0, 100.0);
    EXPECT_NEAR(a2, 5000.0, 100.0);
    EXPECT_EQ(RunCli(options).status, 2);  // no interval
}

// With the spacing given the map goes to a PDF page that says what it shows, from which
// files and at which spacing; a spacing that is not two positive numbers is refused.
TEST(CliGrid, PdfPageOfAMapWithAMissingColumn) {
    std::string files;
    for (const char* name : {"G-1", "G-2", "G-4", "H-1", "H-2", "H-4"}) {
        files += WriteHit(std::string("gridpdf-") + name + ".txt", 5000.0) + " ";
    }
    const std::string pdf = TempFile("grid.pdf");
    const std::string pattern = " --name-pattern 'gridpdf-([A-Z])-0*([0-9]+)' --files ";
    const auto r = RunCli("grid" + pattern + files +
                          "--fmin 1000 --fmax 20000 --spacing 0.5,0.3 --pdf " + pdf);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out.rfind("row 1 2 4\n", 0), 0u) << r.out;
    const std::string text = Output("pdftotext -layout " + pdf + " -");
    for (const char* expected :
         {"Карта обследования", "Значение: Частота, Гц", "Шаг по строкам и столбцам, м: 0.5 и 0.3",
          "Исходные файлы: 6 файлов:", "gridpdf-G-1.txt …", "gridpdf-H-4.txt",
          "Строк × столбцов: 2 × 3, позиций со значением 6"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    for (const char* spacing : {"0,0.3", "0.5", "a,b", "-1,2"}) {
        const auto refused = RunCli("grid" + pattern + files + "--spacing " + spacing);
        EXPECT_EQ(refused.status, 2) << spacing;
        EXPECT_NE(refused.err.find("--spacing needs ROW_M,COL_M"), std::string::npos)
            << refused.err;
    }
}

}  // namespace
}  // namespace karvelo::testing

namespace karvelo::testing {
namespace {

TEST(CliGrid, ClassesOfAGridBuiltForEachClass) {
    // f_T = 0.96 * 4000 / (2 * 0.2) = 9600 Hz; 5 us, 2000 samples (100 Hz bins), 1.5 ms decay.
    // Rows A..C, columns 1..4; C-4 not measured.
    constexpr double kFt = 9600.0;
    const struct {
        const char* name;
        double hz;
        double secondHz;
        double secondShare;
        const char* expected;
    } positions[] = {
        {"A-1", kFt, 0, 0, "good"},           {"A-2", kFt, 0, 0, "good"},
        {"A-3", 1.3 * kFt, 0, 0, "poor"},     {"A-4", 0.4 * kFt, 0, 0, "serious"},
        {"B-1", kFt, 1.5 * kFt, 0.8, "fair"}, {"B-2", 0.75 * kFt, 0, 0, "fair"},
        {"B-3", kFt, 1.5 * kFt, 0.3, "good"}, {"B-4", 1.3 * kFt, 0, 0, "poor"},
        {"C-1", 0.4 * kFt, 0, 0, "serious"},  {"C-2", kFt, 0, 0, "good"},
        {"C-3", kFt, 0, 0, "good"},
    };
    const std::string dir = TempFile("classes-");
    std::filesystem::create_directories(dir);
    std::string files;
    for (const auto& p : positions) {
        const std::string path = dir + "/" + p.name + ".txt";
        WriteSineRecording(path, {.Hz = p.hz,
                                  .Samples = 2000,
                                  .StepSeconds = 5e-6,
                                  .DecaySeconds = 1.5e-3,
                                  .SecondHz = p.secondHz,
                                  .SecondShare = p.secondShare});
        files += " " + path;
    }
    const std::string csv = dir + "/c.csv";
    const std::string png = dir + "/c.png";
    const CliResult r = RunCli("grid --files" + files +
                               " --classes --design-thickness 200 --velocity 4000 --beta 0.96 "
                               "--png " +
                               png + " --csv " + csv);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("band_hz 2400 24000\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("f_t_hz 9600.0\nclass count share\ngood 5 45.5%\nfair 2 18.2%\n"
                         "poor 2 18.2%\nserious 2 18.2%\nno_result 0\n"),
              std::string::npos)
        << r.out;
    std::ifstream in(csv);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "row,column,value,f_hz,class\r");
    for (const auto& p : positions) {
        ASSERT_TRUE(std::getline(in, line)) << p.name;
        const std::string row(1, p.name[0]);
        EXPECT_EQ(line.substr(0, 4), row + "," + std::string(p.name + 2) + ",") << line;
        EXPECT_EQ(line.substr(line.rfind(',') + 1), std::string(p.expected) + "\r") << p.name;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(png));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir + "/c-classes.png"));

    // Thresholds as given: a second peak of 30 % counts, so B-3 is fair too; and each
    // class option wants --classes, and its values in order.
    const CliResult edited = RunCli("grid --files" + files +
                                    " --classes --design-thickness 200 --velocity 4000 "
                                    "--beta 0.96 --second-peak 25% --class-fair 0.5,0.9");
    ASSERT_EQ(edited.status, 0) << edited.err;
    EXPECT_NE(edited.out.find("\ngood 4 36.4%\nfair 3 27.3%\n"), std::string::npos) << edited.out;
    for (const char* args :
         {" --design-thickness 200 --velocity 4000", " --classes --velocity 4000",
          " --classes --design-thickness 200 --thickness 0.2",
          " --classes --design-thickness 200 --velocity 4000 --class-fair 0.9,0.6",
          " --classes --design-thickness 200 --velocity 4000 --class-poor 0.8",
          " --classes --design-thickness 200 --velocity 4000 --second-peak 0",
          " --second-peak 50%"}) {
        const CliResult refused = RunCli(std::string("grid --files") + files + args);
        EXPECT_EQ(refused.status, 2) << args << refused.out;
        EXPECT_EQ(refused.err.find('\n'), refused.err.size() - 1) << args << refused.err;
    }
}

}  // namespace
}  // namespace karvelo::testing
