// The document on show is the user's: a survey, a report and the map for the PDF compute
// on state of their own, and a line longer than a hundred points is served whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/sine_recording.h"
#include "report/survey_grid.h"
#include "session/document_title.h"
#include "session/session_test_support.h"
#include "session/survey_run.h"

namespace karvelo::testing {
namespace {

class WorkspaceTest : public SessionTest {
  protected:
    void SetUp() override {
        SessionTest::SetUp();
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        SessionTest::TearDown();
    }

    std::string Path(const std::string& name) const { return folder_ + "/" + name; }

    // count recordings "PREFIX-k.txt" of a sine whose frequency climbs with k.
    std::vector<std::string> Recordings(const std::string& prefix, int count, double firstHz) {
        std::vector<std::string> paths;
        for (int k = 1; k <= count; ++k) {
            const std::string path = Path(prefix + "-" + std::to_string(k) + ".txt");
            WriteSineRecording(path, {firstHz + 50.0 * k, 1000, 5e-6, 1.5e-3});
            paths.push_back(path);
        }
        return paths;
    }

    // Everything the main form shows and keeps.
    auto Shown() {
        const Profile& p = profile();
        return std::make_tuple(
            std::vector<std::uint8_t>(p.image.bytes.begin(), p.image.bytes.end()), p.PointCount,
            p.TracesPerPoint, document_.LoadedSource.Files, document_.Quality.QualityCount,
            document_.Quality.QualityRecords, controls_.widgets.FMin, controls_.widgets.FMax,
            controls_.widgets.PointNumber,
            std::vector<std::uint32_t>(surface_.Data(),
                                       surface_.Data() + surface_.Width() * surface_.Height()),
            analysis_.peakLines);
    }

    const std::string folder_ = TempFile("workspace");
};

TEST_F(WorkspaceTest, ASurveyLeavesTheLineOnShowAsItWasAndGivesTheSameValuesOnOneOrTwoThreads) {
    ASSERT_TRUE(OpenFiles(Recordings("B", 6, 6000.0), kChannel1, 1));
    controls_.widgets.SpectrumMode = kSpectrumProduct;
    controls_.widgets.PointNumber = 2;
    controls_.widgets.FMin = 2000;
    controls_.widgets.FMax = 20000;
    session_.ToggleQualityDisplay();
    session_.OnSpectrumSettings();
    session_.OnPeakLineActivated(0);  // a click on a maximum stores its quality in this mode
    ASSERT_EQ(document_.Quality.QualityCount, 1);
    const auto before = Shown();

    std::vector<std::string> grid;
    for (const char* row : {"D", "E"}) {
        const std::vector<std::string> files = Recordings(row, 4, 7000.0);
        grid.insert(grid.end(), files.begin(), files.end());
    }
    const GridGrouping grouping = GroupByPosition(grid, kDefaultGridNamePattern);
    ASSERT_TRUE(grouping.Refusal.empty());
    SurveySettings settings = FormSurveySettings(session_, kChannel1, SurveyValue::Frequency);
    settings.Request.FMin = 2000;
    settings.Request.FMax = 20000;
    std::vector<std::optional<double>> values[2];
    for (const unsigned threads : {1U, 2U}) {
        settings.Threads = threads;
        std::size_t told = 0;
        const auto result =
            RunSurvey(settings, grouping.Positions, [&told](std::size_t done, std::size_t) {
                told = done;
                return true;
            });
        ASSERT_TRUE(result);
        values[threads - 1] = *result;
        EXPECT_EQ(told, grouping.Positions.size());
    }
    EXPECT_EQ(values[0], values[1]);
    for (std::size_t i = 0; i < values[0].size(); ++i) {
        ASSERT_TRUE(values[0][i]);
        EXPECT_NEAR(*values[0][i], 7000.0 + 50.0 * grouping.Positions[i].Column, 40.0);
    }
    EXPECT_TRUE(Shown() == before);
    EXPECT_TRUE(messages_.messages.empty());

    // A refused position stops the survey with its own message, and still touches nothing.
    grid.push_back(Path("E-9.txt"));
    std::ofstream(grid.back()) << "no numbers here\n";
    const GridGrouping broken = GroupByPosition(grid, kDefaultGridNamePattern);
    EXPECT_FALSE(RunSurvey(settings, broken.Positions, {}));
    ASSERT_EQ(messages_.messages.size(), 1U);
    EXPECT_NE(messages_.messages[0].find("E-9.txt"), std::string::npos);
    EXPECT_TRUE(Shown() == before);
}

TEST_F(WorkspaceTest, TheReportAndTheMapOfTheFormComputeAsideForALineOfManyPoints) {
    const std::vector<std::string> line = Recordings("L", 250, 3000.0);
    ASSERT_TRUE(OpenFiles(line, kChannel1, 1));
    controls_.widgets.FMin = 2000;
    controls_.widgets.FMax = 20000;
    session_.OnSpectrumSettings();
    const auto before = Shown();
    const std::string key = session_.ReportKey();

    const std::vector<PointReport> rows = session_.ProfileReport();
    ASSERT_EQ(rows.size(), 250U);
    for (const std::uint32_t point : {0U, 120U, 249U}) {
        ASSERT_TRUE(rows[point].HasPeak);
        EXPECT_NEAR(rows[point].RefinedFrequency, 3050.0 + 50.0 * point, 40.0) << point;
    }
    Surface map;
    session_.RenderProfileMap(map);
    EXPECT_GT(testing::InkIn(map, 325, 370, 1125, 620), 100000);  // the map's frame is filled
    EXPECT_TRUE(Shown() == before);
    EXPECT_EQ(session_.ReportKey(), key);

    // What the report depends on changes its key; the point shown does not.
    controls_.widgets.PointNumber = 7;
    session_.OnSpectrumSettings();
    EXPECT_EQ(session_.ReportKey(), key);
    controls_.widgets.FMax = 15000;
    session_.OnSpectrumSettings();
    EXPECT_NE(session_.ReportKey(), key);
}

TEST_F(WorkspaceTest, TheTitleNamesWhatIsLoaded) {
    EXPECT_EQ(DocumentTitle(document_), "Karvelo demo version");
    Open();
    EXPECT_EQ(DocumentTitle(document_), "Karvelo demo version — Файл 1");
    EXPECT_EQ(DocumentTitle(document_, Language::English), "Karvelo demo version — File 1");
    const struct {
        int files;
        const char* title;
        const char* english;
    } cases[] = {{1, "Karvelo demo version — T-1.txt", "Karvelo demo version — T-1.txt"},
                 {3, "Karvelo demo version — T-1.txt … (3 файла)",
                  "Karvelo demo version — T-1.txt … (3 files)"},
                 {11, "Karvelo demo version — T-1.txt … (11 файлов)",
                  "Karvelo demo version — T-1.txt … (11 files)"},
                 {21, "Karvelo demo version — T-1.txt … (21 файл)",
                  "Karvelo demo version — T-1.txt … (21 files)"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(OpenFiles(Recordings("T", c.files, 5000.0), kChannel1, 1));
        EXPECT_EQ(DocumentTitle(document_), c.title);
        EXPECT_EQ(DocumentTitle(document_, Language::English), c.english);
    }
    // A refused load changes neither the profile nor the title.
    const std::string title = DocumentTitle(document_);
    EXPECT_FALSE(OpenFiles({Path("missing.txt")}, kChannel1, 1));
    EXPECT_EQ(DocumentTitle(document_), title);
}

}  // namespace
}  // namespace karvelo::testing
