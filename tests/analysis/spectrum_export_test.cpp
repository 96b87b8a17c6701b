#include "analysis/spectrum_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis_test_support.h"
#include "fakes/preset_save_file_chooser.h"

namespace karvelo {
namespace {

class SpectrumExportTest : public testing::AnalysisTest {
  protected:
    void SetUp() override {
        AnalysisTest::SetUp();
        // The shown band: 94, 110 and 125 Hz; the fourth bin lies beyond it.
        const std::uint32_t frequencies[] = {94, 110, 125, 141};
        const float amplitudes[] = {0.5f, 1.0f, 1.2345e-5f, 0.75f};
        std::copy(std::begin(frequencies), std::end(frequencies), BinFrequencies.begin());
        std::copy(std::begin(amplitudes), std::end(amplitudes), SpectrumRows.begin());
        ShownBinCount = 3;
    }
};

TEST_F(SpectrumExportTest, ReplacesTheFileWithOneLinePerShownBinInDefaultNotation) {
    const std::string path = TempPath("spectre_written.txt");
    std::ofstream(path) << "old content, longer than the new content of the file\n";
    testing::PresetSaveFileChooser chooser(path);
    ExportSpectrum(chooser);
    EXPECT_EQ(chooser.offeredName, "spectre_data.txt");
    EXPECT_EQ(chooser.offeredExtension, "txt");
    EXPECT_EQ(ReadFile(path), "94  0.5\n110  1\n125  1.2345e-005\n");
    EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(SpectrumExportTest, FileThatCannotBeWrittenIsReported) {
    for (const std::string& path :
         {TempPath("no-such-folder/spectre.txt"), std::string("/dev/full")}) {
        SCOPED_TRACE(path);
        sink_.messages.clear();
        testing::PresetSaveFileChooser chooser(path);
        ExportSpectrum(chooser);
        EXPECT_EQ(sink_.messages,
                  (std::vector<std::string>{"Cannot open or create file.Error code = 11"}));
    }
}

}  // namespace
}  // namespace karvelo
