#include "analysis/quality.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysis_buffers.h"
#include "analysis/peaks.h"
#include "analysis/spectrum_export.h"
#include "analysis_test_support.h"
#include "fakes/preset_save_file_chooser.h"

namespace karvelo {
namespace {

class QualityTest : public testing::AnalysisTest {
  protected:
    void SetUp() override {
        AnalysisTest::SetUp();
        quality_.QualityDisplayOn = true;
        request_ = NewRequest(kSpectrumProduct, 4);
    }

    // A full spectrum at 100 Hz per bin, its maxima searched, then the band from iMin
    // cut out as the pipeline leaves it.
    void PrepareSpectrum(const std::vector<float>& values, std::uint32_t iMin) {
        const auto count = static_cast<std::uint32_t>(values.size());
        for (std::uint32_t i = 0; i < count; ++i) {
            buffers_.SelectionSpectrum[i] = values[i];
            buffers_.BinFrequencies[i] = 100 * i;
        }
        FindLocalMaxima(buffers_, count);
        for (std::uint32_t i = iMin; i < count; ++i) {
            buffers_.SpectrumRows[i - iMin] = values[i];
            buffers_.BinFrequencies[i - iMin] = 100 * i;
        }
        iMin_ = iMin;
        count_ = count - iMin;
    }

    void Click(std::uint32_t fullBin) {
        ComputeQuality(buffers_, &quality_, request_, fullBin - iMin_, iMin_, count_);
    }

    AnalysisRequest request_;
    std::uint32_t iMin_ = 0;
    std::uint32_t count_ = 0;
};

// Peak at bin 3 (300 Hz); both neighbours lie below 1/sqrt(2) of it.
const std::vector<float> kCleanPeak = {0.1f, 0.2f, 0.3f, 1.0f, 0.5f, 0.2f, 0.1f};

// Q = peak frequency / spacing of the half-power edges, or no value at all.
TEST_F(QualityTest, PeakFrequencyOverTheSpacingOfItsHalfPowerEdges) {
    struct Case {
        const char* name;
        std::vector<float> spectrum;
        std::uint32_t iMin, clicked;
        double quality;  // 0: none
        bool displayOn = true;
        bool full = false;  // the table holds the most values it can
    };
    constexpr auto kFull = static_cast<std::int32_t>(kMaxQualityRecords);
    const Case cases[] = {
        {"clean peak", kCleanPeak, 0, 3, 300.0 / (400.0 - 200.0)},
        {"band starting above zero", kCleanPeak, 2, 3, 1.5},
        // Left: 0.75 stays above 0.7071, 0.4 is below (bin 1); right: 0.71 above, 0.7
        // below (bin 6).
        {"edges at half power", {0.1f, 0.4f, 0.75f, 1.0f, 0.72f, 0.71f, 0.7f, 0.1f}, 0, 3, 0.6},
        {"display off", kCleanPeak, 0, 3, 0.0, false},
        {"not a local maximum", kCleanPeak, 0, 4, 0.0},
        {"band starts at the peak", kCleanPeak, 3, 3, 0.0},
        {"band starts above the left edge", {0.1f, 0.8f, 1.0f, 0.5f, 0.1f}, 1, 2, 0.0},
        {"band ends above the right edge", {0.1f, 0.5f, 1.0f, 0.8f}, 0, 2, 0.0},
        {"rises again on the left", {0.1f, 0.9f, 0.8f, 1.0f, 0.5f, 0.1f}, 0, 3, 0.0},
        {"rises again on the right", {0.1f, 0.5f, 1.0f, 0.8f, 0.9f, 0.1f}, 0, 2, 0.0},
        {"table full: refused but shown", kCleanPeak, 0, 3, 1.5, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        quality_.QualityCount = 0;
        for (std::uint32_t k = 0; c.full && k < kMaxQualityRecords; ++k) {
            StoreQuality(quality_, k, 100.0, 2.0);
        }
        sink_.messages.clear();
        request_.QualityValue = -1.0f;
        quality_.QualityDisplayOn = c.displayOn;
        controls_.ShowStatic(AnalysisStatic::Quality, false);
        controls_.ShowStatic(AnalysisStatic::QualityCaption, false);
        PrepareSpectrum(c.spectrum, c.iMin);
        Click(c.clicked);
        const bool shown = c.quality != 0.0;
        EXPECT_EQ(controls_.IsShown(AnalysisStatic::Quality), shown);
        EXPECT_EQ(controls_.IsShown(AnalysisStatic::QualityCaption), shown);
        EXPECT_FLOAT_EQ(request_.QualityValue, shown ? static_cast<float>(c.quality) : -1.0f);
        EXPECT_EQ(sink_.messages, c.full ? std::vector<std::string>{"Cannot save quality value."}
                                         : std::vector<std::string>{});
        ASSERT_EQ(quality_.QualityCount, c.full ? kFull : shown ? 1 : 0);
        if (shown && !c.full) {
            EXPECT_EQ(quality_.QualityRecords[0].PointIndex, 3u);  // PointNumber - 1
            EXPECT_EQ(quality_.QualityRecords[0].PeakFrequency, 300.0);
            EXPECT_DOUBLE_EQ(quality_.QualityRecords[0].Quality, c.quality);
        }
    }
}

// A written file empties the table; a cancelled or failed save keeps it.
TEST_F(QualityTest, SaveWritesEveryRecordOrKeepsTheTable) {
    // Error 11 with the file and the system's reason on the second line.
    const auto failed = [](const std::string& detail) {
        return std::vector<std::string>{"Cannot open or create file.Error code = 11\n" + detail};
    };
    const std::string path = testing::TempFile("quality_saved.txt");
    const std::string nowhere = testing::TempFile("no-such-folder/quality.txt");
    struct Case {
        std::optional<std::string> path;
        std::vector<std::string> messages;
        std::int32_t left;
    };
    const Case cases[] = {
        {path, {}, 0},
        {std::nullopt, {}, 2},                                           // cancelled
        {nowhere, failed(nowhere + ": No such file or directory"), 2},   // cannot be created
        {"/dev/full", failed("/dev/full: No space left on device"), 2},  // disk full
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.value_or("cancelled"));
        sink_.messages.clear();
        quality_.QualityCount = 0;
        StoreQuality(quality_, 3, 1575.0, 12.5);
        StoreQuality(quality_, 0, 94.0, 1234567.0);
        testing::PresetSaveFileChooser chooser(c.path);
        SaveQuality(quality_, chooser);
        EXPECT_EQ(chooser.offeredName, "quality.txt");
        EXPECT_EQ(sink_.messages, c.messages);
        EXPECT_EQ(quality_.QualityCount, c.left);
    }
    EXPECT_EQ(testing::ReadWholeFile(path), "3  1575  12.5\n0  94  1.23457e+006\n");
    // Nothing left: a save refuses before asking for a file.
    quality_.QualityCount = 0;
    sink_.messages.clear();
    testing::PresetSaveFileChooser chooser(path);
    SaveQuality(quality_, chooser);
    EXPECT_EQ(sink_.messages, (std::vector<std::string>{"No data to save."}));
    EXPECT_EQ(chooser.calls, 0);
}

class SpectrumExportTest : public testing::AnalysisTest {};

TEST_F(SpectrumExportTest, ReplacesTheFileWithOneLinePerShownBinInDefaultNotation) {
    // The shown band: 94, 110 and 125 Hz; the fourth bin lies beyond it.
    const std::uint32_t frequencies[] = {94, 110, 125, 141};
    const float amplitudes[] = {0.5f, 1.0f, 1.2345e-5f, 0.75f};
    std::copy(std::begin(frequencies), std::end(frequencies), buffers_.BinFrequencies.begin());
    std::copy(std::begin(amplitudes), std::end(amplitudes), buffers_.SpectrumRows.begin());
    buffers_.ShownBinCount = 3;
    const std::string path = testing::TempFile("spectre_written.txt");
    std::ofstream(path) << "old content, longer than the new content of the file\n";
    testing::PresetSaveFileChooser chooser(path);
    ExportSpectrum(buffers_, chooser);
    EXPECT_EQ(chooser.offeredName, "spectre_data.txt");
    EXPECT_EQ(chooser.offeredExtension, "txt");
    EXPECT_EQ(testing::ReadWholeFile(path), "94  0.5\n110  1\n125  1.2345e-005\n");
    EXPECT_TRUE(sink_.messages.empty());
}

}  // namespace
}  // namespace karvelo
