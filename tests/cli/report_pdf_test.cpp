// karvelo-cli report --pdf: the PDF holds the title block and the table as text, and its
// pages render.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli/run_cli.h"
#include "fakes/temp_file.h"

namespace karvelo::testing {
namespace {

TEST(CliReportPdf, TitleBlockAndTableAreTextAndThePagesRender) {
    const std::string pdf = TempFile("report.pdf");
    const CliResult r = RunCli("report --mode product --velocity 3780 --beta 0.96 --pdf " + pdf);
    ASSERT_EQ(r.status, 0) << r.out << r.err;
    const std::string text = Output("pdftotext -layout " + pdf + " -");
    for (const char* expected :
         {"Отчёт по профилю", "Spectrum: Произведение спектров", "Shape factor: 0.96",
          "Band: 0 .. 3000 Hz", "hit_fmedian", "1575.26"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    EXPECT_EQ(Output("pdftoppm -r 30 -png " + pdf + " " + pdf + " && echo rendered"), "rendered\n");
}

}  // namespace
}  // namespace karvelo::testing
