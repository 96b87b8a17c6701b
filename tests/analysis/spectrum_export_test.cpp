#include "analysis/spectrum_export.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/band.h"
#include "analysis/frequency_axis.h"
#include "analysis/spectrum_modes.h"
#include "analysis_test_support.h"
#include "fakes/preset_save_file_chooser.h"
#include "profile/profile_loader.h"

namespace karvelo {
namespace {

class SpectrumExportTest : public testing::AnalysisTest {
  protected:
    // The shown band: frequencies 94, 110, 125 Hz with the given amplitudes.
    static void ShowBand(const std::vector<float>& amplitudes) {
        const std::uint32_t frequencies[] = {94, 110, 125, 141};
        for (std::size_t i = 0; i < amplitudes.size(); ++i) {
            BinFrequencies[i] = frequencies[i];
            SpectrumRows[i] = amplitudes[i];
        }
        ShownBinCount = static_cast<std::uint32_t>(amplitudes.size());
    }
};

TEST_F(SpectrumExportTest, WritesOneLinePerShownBinInDefaultNotation) {
    ShowBand({0.5f, 1.0f, 1.2345e-5f});
    SpectrumRows[3] = 0.75f;  // beyond the shown band: not written
    const std::string path = TempPath("spectre_written.txt");
    testing::PresetSaveFileChooser chooser(path);
    ExportSpectrum(chooser);
    EXPECT_EQ(chooser.offeredName, "spectre_data.txt");
    EXPECT_EQ(chooser.offeredExtension, "txt");
    EXPECT_EQ(ReadFile(path), "94  0.5\n110  1\n125  1.2345e-005\n");
    EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(SpectrumExportTest, ReplacesAnExistingFile) {
    const std::string path = TempPath("spectre_replaced.txt");
    std::ofstream(path) << "old content that is longer than the new one\n";
    ShowBand({0.25f});
    testing::PresetSaveFileChooser chooser(path);
    ExportSpectrum(chooser);
    EXPECT_EQ(ReadFile(path), "94  0.25\n");
}

TEST_F(SpectrumExportTest, CancelWritesNothing) {
    ShowBand({0.25f});
    testing::PresetSaveFileChooser chooser(std::nullopt);
    ExportSpectrum(chooser);
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(SpectrumExportTest, FileThatCannotBeWrittenIsReported) {
    ShowBand({0.5f, 1.0f});
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

TEST_F(SpectrumExportTest, BuiltInProfileBandOfThreeKilohertzGives192Lines) {
    // The steps of a run in mode 2 over the 2-record built-in profile, band 0 .. 3000 Hz.
    ASSERT_TRUE(LoadProfile(1, kBothChannels, 1));
    AnalysisRequest request;
    request.SpectrumMode = kSpectrumProduct;
    const FrequencyAxis axis = MakeFrequencyAxis(SamplesPerTrace(), SampleInterval());
    ASSERT_TRUE(ComputeSpectra(request));
    FillBinFrequencies(axis);
    const std::optional<BandBins> band = SelectRequestBand(request, axis.BinCount);
    ASSERT_TRUE(band.has_value());
    CutBand(request.SpectrumMode, *band, PointCount);
    ShownBinCount = band->Count();

    const std::string path = TempPath("spectre_builtin.txt");
    testing::PresetSaveFileChooser chooser(path);
    ExportSpectrum(chooser);
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 192u);
    EXPECT_EQ(lines.front().substr(0, 3), "0  ");
    EXPECT_EQ(lines.back().substr(0, 6), "3008  ");
    EXPECT_TRUE(sink_.messages.empty());
}

}  // namespace
}  // namespace karvelo
