// The PDF report read back as text: a generated line with known thicknesses gives the
// object, method and summary blocks and the verdict; a table of 1000 points runs over as
// many pages as it needs with every row on one of them; the pages render.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "app/report_pdf.h"
#include "cli/offscreen_application.h"
#include "cli/run_cli.h"
#include "fakes/sine_recording.h"
#include "fakes/temp_file.h"
#include "report/report_numbers.h"

namespace karvelo::testing {
namespace {

// The text of a PDF with its layout, blanks runs folded to one space.
std::string PdfText(const std::string& pdf) {
    std::string text = Output("pdftotext -layout " + pdf + " -");
    std::string folded;
    for (const char c : text) {
        if (c != ' ' || folded.empty() || folded.back() != ' ') {
            folded += c;
        }
    }
    return folded;
}

TEST(CliReportPdf, BlocksOfAGeneratedLineAreText) {
    // Six points, one 5 us recording each; at 3780 m/s and beta 0.96 the plate is
    // 1814.4 / f m thick: 180 mm at 10080 Hz, point 3 thinner at 16800 Hz (108 mm).
    const std::string dir = TempFile("pdf-line-");
    std::string files;
    const double hz[] = {10080, 10080, 10080, 16800, 10080, 10080};
    for (std::size_t k = 0; k < std::size(hz); ++k) {
        const std::string path = dir + "P-" + std::to_string(k + 1) + ".txt";
        WriteSineRecording(
            path, {.Hz = hz[k], .Samples = 2000, .StepSeconds = 5e-6, .DecaySeconds = 1.5e-3});
        files += " " + path;
    }
    const std::string pdf = dir + "r.pdf";
    const CliResult r = RunCli("--files" + files +
                               " --channels 1 report --mode single --fmin 2000 --fmax 20000 "
                               "--velocity 3780 --beta 0.96 --design-thickness 180 "
                               "--tolerance 10 --meta 'structure=Bridge 12' --meta "
                               "operator=Petrova --pdf " +
                               pdf);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_NE(r.out.find("\nthickness_min_mm 108."), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\noutside_tolerance 1\n"), std::string::npos) << r.out;
    const std::string text = PdfText(pdf);
    for (const char* expected :
         {"Сооружение: Bridge 12", "Оператор: Petrova", "Исходные файлы: 6 файлов:", "P-1.txt …",
          "P-6.txt", "Спектр: спектр одной трассы", "Коэффициент формы β: 0.96",
          "Скорость волны Cp, м/с: 3780 (введена)", "Шаг дискретизации: 5 мкс",
          "Шаг по частоте Δf, Гц: 100.0", "Точек с результатом: 6", "Минимум, мм: 108.",
          "Проектная толщина, мм: 180 ± 10", "Вне допуска: 1 из 6 (16.7 %): тоньше 1, толще 0",
          "Вне проектной толщины 180 ± 10 мм: 1 из 6 точек", "Номер точки",
          "Амплитуда спектра, доля максимума", "Добротность", "выброс по"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    EXPECT_EQ(Output("pdftoppm -r 30 -png " + pdf + " " + pdf + " && echo rendered"), "rendered\n");
}

TEST(CliReportPdf, MethodBlockStatesSpectralOptionsOnlyWhenChosen) {
    // A sine between the 100 Hz bins: 10130 Hz, 5 us, 2000 samples.
    const std::string dir = TempFile("pdf-spectral-");
    const std::string path = dir + "P-1.txt";
    WriteSineRecording(path, {.Hz = 10130, .Samples = 2000, .StepSeconds = 5e-6});
    const struct {
        std::string options;
        std::vector<std::string> present;
        std::string absent;
        std::string row;  // point, bin frequency, amplitude, refined frequency and its ±
    } cases[] = {
        {"", {"Шаг по частоте Δf, Гц: 100.0"}, "Окно перед", "0 10100 1.000 10114 17 "},
        {"--window hann --zero-pad 4",
         {"Окно перед преобразованием: Ханна", "Дополнение нулями: ×4",
          "Шаг по частоте Δf, Гц: 25.0"},
         "Окно перед преобразованием: нет",
         "0 10125 1.000 10130 4 "},
        {"--window exp:10%",
         {"Окно перед преобразованием: экспоненциальное, 1/e на 10 % записи"},
         "Дополнение нулями",
         "0 10100 1.000 10126 17 "},
    };
    for (const auto& c : cases) {
        const std::string pdf = dir + "r.pdf";
        const CliResult r = RunCli("--files " + path + " --channels 1 report --fmin 2000 " +
                                   "--fmax 20000 " + c.options + " --pdf " + pdf);
        ASSERT_EQ(r.status, 0) << c.options << r.out << r.err;
        EXPECT_NE(r.out.find("\n" + c.row), std::string::npos) << c.options << r.out;
        const std::string text = PdfText(pdf);
        for (const std::string& expected : c.present) {
            EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
        }
        EXPECT_EQ(text.find(c.absent), std::string::npos) << c.absent << "\n" << text;
    }
}

TEST(ReportPdfTable, AThousandRowsRunOverPagesEachRowOnOne) {
    Application();
    constexpr int kRows = 1000;
    PdfReport report;
    report.Columns = {"Точка", "Толщина по уточнённой частоте, мм", "Отметки"};
    for (int k = 0; k < kRows; ++k) {
        report.Cells.push_back({std::to_string(k), FormatFixed(100.0 + 0.1 * k, 1),
                                k % 7 == 0 ? "выброс по линии" : "–"});
    }
    const std::string pdf = TempFile("table.pdf");
    ASSERT_TRUE(WriteReportPdf(pdf, report));
    std::set<std::string> rows;
    std::istringstream lines(PdfText(pdf));
    int headers = 0;
    for (std::string line; std::getline(lines, line);) {
        headers += line.find("Точка") != std::string::npos ? 1 : 0;
        std::istringstream words(line);
        std::string point, value;
        if (words >> point >> value) {
            rows.insert(point + " " + value);
        }
    }
    for (int k = 0; k < kRows; ++k) {
        EXPECT_EQ(rows.count(std::to_string(k) + " " + FormatFixed(100.0 + 0.1 * k, 1)), 1u) << k;
    }
    const std::string pages = Output("pdfinfo " + pdf + " | sed -n 's/^Pages: *//p'");
    EXPECT_GT(std::stoi(pages), 10);
    EXPECT_EQ(headers, std::stoi(pages) - 2);  // the header on every page of the table
}

}  // namespace
}  // namespace karvelo::testing
