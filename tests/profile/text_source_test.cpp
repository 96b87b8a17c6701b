// Text recordings in every accepted layout load the samples of their formula, in the
// natural order of their names, with the time unit of the source.
#include <algorithm>
#include <cstdio>

#include "profile/file_source_support.h"

namespace karvelo::testing {
namespace {

struct TextVariant {
    const char* name;
    const char* header;  // a byte order mark or lines before the data
    const char* separator;
    bool decimalComma;
    bool twoChannels;
    const char* lineEnd;
    const char* tail;  // after the last data line
};

// Formula recording: 64 samples at 5 us, amplitude FormulaSample / 1000.
std::string Recording(const TextVariant& v, std::size_t hit) {
    std::string text = v.header;
    for (std::size_t s = 0; s < 64; ++s) {
        char line[128];
        std::snprintf(line, sizeof line, "%.6E%s%.6E%s%.6E", (s + 1) * 5e-6, v.separator,
                      FormulaSample(2 * hit, s) / 1000.0, v.separator,
                      FormulaSample(2 * hit + 1, s) / 1000.0);
        std::string fields = line;
        if (!v.twoChannels) {
            fields.erase(fields.rfind(v.separator));
        }
        if (v.decimalComma) {
            std::replace(fields.begin(), fields.end(), '.', ',');
        }
        text += fields + (s + 1 < 64 ? v.lineEnd : "");
    }
    return text + v.tail;
}

TEST_F(FileSourceTest, EveryTextLayoutLoadsTheFormulaSamples) {
    const TextVariant variants[] = {
        {"tab", "", "\t", false, false, "\n", "\n"},
        {"space", "", "   ", false, false, "\n", ""},
        {"comma", "", ",", false, true, "\n", "\n"},
        {"comma_space", "", ", ", false, false, "\n", "\n"},
        {"semicolon", "", ";", false, true, "\n", "\n"},
        {"semicolon_decimal_comma", "", ";", true, true, "\r\n", "\r\n"},
        {"tab_decimal_comma", "", "\t", true, false, "\n", "\n"},
        {"instrument_header", "Device: IE-2\nTime [s]\tCh1 [V]\n\n", "\t", false, false, "\n",
         "\n\n"},
        {"crlf_bom", "\xEF\xBB\xBFTime,A,B\r\n", ",", false, true, "\r\n", "\r\n"},
    };
    for (const TextVariant& v : variants) {
        SCOPED_TRACE(v.name);
        // Taken in the natural order of the names: -2 before -10.
        const std::string first = WriteTextFile(std::string(v.name) + "-2.txt", Recording(v, 0));
        const std::string second = WriteTextFile(std::string(v.name) + "-10.txt", Recording(v, 1));
        ASSERT_TRUE(LoadFiles({second, first}, kBothChannels, 1, {})) << sink_.messages[0];
        const std::size_t channels = v.twoChannels ? 2 : 1;
        EXPECT_EQ(TraceCount(profile().image), 2 * channels);
        EXPECT_EQ(SamplesPerTrace(profile().image), 64);
        EXPECT_EQ(SampleInterval(profile().image), 5);
        EXPECT_EQ(SampleFormat(profile().image), kFormatIeeeFloat);
        EXPECT_EQ(profile().TracesPerPoint, channels);
        for (std::size_t hit = 0; hit < 2; ++hit) {
            for (std::size_t c = 0; c < channels; ++c) {
                for (std::size_t s = 0; s < 64; s += 7) {
                    const float expected =
                        static_cast<float>(FormulaSample(2 * hit + c, s) / 1000.0);
                    ASSERT_EQ(ProfileSample(profile(), hit * channels + c, s), expected)
                        << hit << c << s;
                }
            }
        }
    }
}

TEST_F(FileSourceTest, LoadOptionsCutTheRecordingOrChangeNothing) {
    // "Whole microseconds" is what the fit does anyway: the same image as without it.
    const std::vector<std::string> ramp = Text("ramp.txt", Ramp(101, 1.6e-6));
    ASSERT_TRUE(LoadFiles(ramp, kChannel1, 1, {}));
    const auto fitted = LoadedState();
    ASSERT_TRUE(LoadFiles(ramp, kChannel1, 1, {.WholeMicroseconds = true}));
    EXPECT_TRUE(LoadedState() == fitted);
    EXPECT_EQ(SampleInterval(profile().image), 2);
    EXPECT_EQ(SamplesPerTrace(profile().image), 81);
    // The first 2048 samples of a longer recording at a whole step, sample for sample.
    sink_.messages.clear();
    ASSERT_TRUE(
        LoadFiles(Text("long.txt", Ramp(2100, 1e-5)), kChannel1, 1, {.FirstSamples = true}));
    EXPECT_EQ(SamplesPerTrace(profile().image), 2048);
    EXPECT_EQ(SampleInterval(profile().image), 10);
    EXPECT_EQ(ProfileSample(profile(), 0, 2047), 20470.0);
    EXPECT_EQ(sink_.messages, std::vector<std::string>{"2100 samples at 10 us: first 2048 kept"});
}

TEST_F(FileSourceTest, TimeUnitFollowsTheSource) {
    // The image's own rule makes 1000 samples picoseconds; a recording from disk is
    // microseconds whatever its length.
    ASSERT_TRUE(LoadBuiltIn(0, kBothChannels, 1));
    EXPECT_EQ(profile().Unit, TimeUnit::kByImageRule);
    std::string image(profile().image.bytes.begin(), profile().image.bytes.begin() + kImageBytes);
    const std::uint16_t thousand = 1000;
    std::memcpy(image.data() + kSamplesPerTraceOffset, &thousand, sizeof thousand);
    ASSERT_TRUE(LoadFiles(Text("short-image.bin", image), kBothChannels, 1, {}));
    EXPECT_EQ(profile().Unit, TimeUnit::kByImageRule);
    ASSERT_TRUE(LoadFiles(Text("thousand.txt", Ramp(1000, 5e-6)), kBothChannels, 1, {}));
    EXPECT_EQ(profile().Unit, TimeUnit::kMicroseconds);
}

}  // namespace
}  // namespace karvelo::testing
