// The survey map of the recordings of $KARVELO_SURVEY_FILES (one text recording a
// position, as bench/gen_survey_grid.py writes them) through the desktop window, as a user
// makes it: Tools > "Карта обследования", the files chosen, the reading options accepted as
// offered, until the map window shows. Prints the minimum and median wall time of
// --repeat N runs (default 5), to be set beside `karvelo-cli grid` over the same files
// (bench/survey_scale.py). Run it on the offscreen platform.
#include <QApplication>
#include <QDialog>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/fftw_wisdom.h"
#include "app/survey_map_window.h"
#include "gui/gui_harness.h"

namespace {

std::vector<std::string> SurveyFiles(const char* folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // As the program does at its start: the transforms are planned from the kept wisdom.
    karvelo::LoadFftwWisdom();
    const char* folder = std::getenv("KARVELO_SURVEY_FILES");
    if (folder == nullptr || !std::filesystem::is_directory(folder)) {
        std::fprintf(stderr, "survey_window_time: set KARVELO_SURVEY_FILES to a folder\n");
        return 2;
    }
    int repeat = 5;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--repeat") == 0) {
            repeat = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    const std::vector<std::string> files = SurveyFiles(folder);
    std::vector<double> seconds;
    for (int run = 0; run < repeat; ++run) {
        karvelo::testing::GuiHarness harness;
        harness.openChooser.files = files;
        karvelo::testing::WhenDialogOpens(
            [&harness](QDialog* reading) { harness.Click(harness.Button("OK", reading)); });
        const auto start = std::chrono::steady_clock::now();
        harness.Choose({"Tools", "Карта обследования"});
        auto* map = karvelo::testing::TopLevel<karvelo::SurveyMapWindow>();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        if (map == nullptr || map->Grid().Cells.size() != files.size()) {
            std::fprintf(stderr, "survey_window_time: no map of %zu positions\n", files.size());
            return 1;
        }
        seconds.push_back(took.count());
        map->close();
        QApplication::processEvents();
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("window survey of %zu positions: min %.2f s, median %.2f s wall\n", files.size(),
                seconds.front(), seconds[seconds.size() / 2]);
    return 0;
}
