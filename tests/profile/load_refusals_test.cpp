// Every refusal of files from disk: its error code, its two-line message, and the
// previously loaded profile left exactly as it was.
#include <cstdio>
#include <filesystem>

#include "profile/file_source_support.h"

namespace karvelo::testing {
namespace {

std::string Lines(std::size_t samples, double stepSeconds, std::size_t columns = 2) {
    std::string text;
    for (std::size_t s = 0; s < samples; ++s) {
        char time[32];
        std::snprintf(time, sizeof time, "%.9g", static_cast<double>(s) * stepSeconds);
        text += time;
        for (std::size_t c = 1; c < columns; ++c) {
            text += '\t';
            text += std::to_string(FormulaSample(c, s));
        }
        text += "\n";
    }
    return text;
}

struct Refusal {
    const char* name;
    std::function<std::vector<std::string>()> files;
    int channelMode;
    std::uint32_t hits;
    int code;
    std::string reason;  // the end of the message's second line
};

TEST_F(FileSourceTest, EveryRefusalKeepsThePreviousProfile) {
    const std::string good = WriteTextFile("good.txt", Lines(100, 5e-6));
    const std::string segy = WriteSegyFile("full.sgy", SEGY_IEEE_FLOAT_4_BYTE, false, 3, 64, 4);
    const std::string truncated = TempFile("truncated.sgy");
    std::filesystem::copy_file(segy, truncated, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::resize_file(truncated, std::filesystem::file_size(segy) - 10);
    const std::string many = WriteSegyFile("many.sgy", SEGY_IEEE_FLOAT_4_BYTE, false, 1001, 4, 4);
    const std::string headerOnly = WriteTextFile("header-only.sgy", "short");

    const Refusal cases[] = {
        {"more than 1000 records", [&] { return std::vector{many}; }, kChannel1, 1, 4,
         "1001 traces, more than the 1000 a profile holds"},
        {"more than 2048 samples",
         [] { return std::vector{WriteTextFile("long.txt", Lines(2049, 5e-6))}; }, kChannel1, 1, 5,
         "2049 samples per trace, more than 2048"},
        {"interval not whole",
         [] { return std::vector{WriteTextFile("frac.txt", Lines(50, 1.6e-6))}; }, kChannel1, 1, 8,
         "sample interval 1.6 us is not a whole number of microseconds from 1 to 65535"},
        {"interval too long",
         [] { return std::vector{WriteTextFile("slow.txt", Lines(50, 0.07))}; }, kChannel1, 1, 8,
         "sample interval 70000 us is not a whole number of microseconds from 1 to 65535"},
        {"cannot open", [] { return std::vector{TempFile("missing.txt")}; }, kChannel1, 1, 6,
         "No such file or directory"},
        {"no numbers",
         [] { return std::vector{WriteTextFile("words.txt", "time amplitude\nnone\n")}; },
         kChannel1, 1, 8, "no lines of numbers found"},
        {"ragged", [] { return std::vector{WriteTextFile("ragged.txt", "0 1\n1e-6 2\n2e-6\n")}; },
         kChannel1, 1, 8, "line 3: 1 number where the data have 2 columns"},
        {"not a number inside",
         [] { return std::vector{WriteTextFile("text.txt", "0 1\n1e-6 x\n")}; }, kChannel1, 1, 8,
         "line 2: not a line of numbers"},
        {"empty field after the last semicolon",
         [] { return std::vector{WriteTextFile("semi.txt", "0;1\n1e-6;2;\n")}; }, kChannel1, 1, 8,
         "line 2: not a line of numbers"},
        {"empty line inside",
         [] { return std::vector{WriteTextFile("gap.txt", "0 1\n\n1e-6 2\n")}; }, kChannel1, 1, 8,
         "line 2: empty line inside the data"},
        {"non-uniform time",
         [] { return std::vector{WriteTextFile("jump.txt", "0 1\n1e-6 2\n2.5e-6 3\n3e-6 4\n")}; },
         kChannel1, 1, 8,
         "line 3: time step 1.5e-06 s differs from the mean step 1e-06 s by more than 1 %"},
        {"nan", [] { return std::vector{WriteTextFile("nan.txt", "0 1\n1e-6 nan\n")}; }, kChannel1,
         1, 8, "line 2: a value is not a finite number"},
        {"infinity", [] { return std::vector{WriteTextFile("inf.txt", "0 1\n1e-6 -inf\n")}; },
         kChannel1, 1, 8, "line 2: a value is not a finite number"},
        {"too few samples", [] { return std::vector{WriteTextFile("one.txt", "0 1\n")}; },
         kChannel1, 1, 8, "line 1: only 1 sample, at least 2 are needed"},
        {"sample counts differ",
         [&] {
             return std::vector{good, WriteTextFile("short.txt", Lines(99, 5e-6))};
         },
         kChannel1, 1, 8, "99 samples where " + good + " has 100"},
        {"intervals differ",
         [&] {
             return std::vector{good, WriteTextFile("other.txt", Lines(100, 6e-6))};
         },
         kChannel1, 1, 8, "sample interval 6e-06 s where " + good + " has 5e-06 s"},
        {"channel counts differ",
         [&] {
             return std::vector{good, WriteTextFile("wide.txt", Lines(100, 5e-6, 3))};
         },
         kChannel1, 1, 8, "line 1: 3 columns where " + good + " has 2"},
        {"truncated SEG-Y", [&] { return std::vector{truncated}; }, kChannel1, 1, 8,
         "truncated: ends inside trace 3 (486 of 496 bytes)"},
        {"text and SEG-Y mixed",
         [&] {
             return std::vector{good, segy};
         },
         kChannel1, 1, 8, "is a SEG-Y file but " + good + " is a text recording"},
        {"SEG-Y without its file header", [&] { return std::vector{headerOnly}; }, kChannel1, 1, 8,
         "shorter than the 3600-byte file header"},
        {"channel 2 of one-channel files", [&] { return std::vector{good}; }, kChannel2, 1, 8,
         "the files have one channel, so there is no channel 2"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        ResetProfileStore();
        ASSERT_TRUE(LoadProfile(0, kChannel1, 2));
        LoadCompleted = false;
        const LoadedState before = LoadedState::Take();
        sink_.messages.clear();
        const std::vector<std::string> files = c.files();
        EXPECT_FALSE(LoadProfileFiles(files, c.channelMode, c.hits, {}));
        ASSERT_EQ(sink_.messages.size(), 1u);
        const std::string& message = sink_.messages[0];
        const std::string table(ErrorMessages[static_cast<std::size_t>(c.code)]);
        EXPECT_EQ(message.substr(0, table.size() + 1), table + "\n") << message;
        EXPECT_NE(message.find("\n" + files.back()), std::string::npos) << message;
        EXPECT_TRUE(message.ends_with(c.reason)) << message;
        EXPECT_TRUE(LoadedState::Take() == before);
    }
}

TEST_F(FileSourceTest, HitsThatDoNotDivideTheFilesAreRefusedAsForBuiltInProfiles) {
    const std::string a = WriteTextFile("hit-1.txt", Lines(20, 5e-6));
    const std::string b = WriteTextFile("hit-2.txt", Lines(20, 5e-6));
    const std::string c = WriteTextFile("hit-3.txt", Lines(20, 5e-6));
    ASSERT_TRUE(LoadProfile(0, kBothChannels, 1));
    const LoadedState before = LoadedState::Take();
    EXPECT_FALSE(LoadProfileFiles({a, b, c}, kBothChannels, 2, {}));
    EXPECT_EQ(sink_.messages, std::vector<std::string>{"Invalid number of hits."});
    EXPECT_TRUE(LoadedState::Take() == before);
}

}  // namespace
}  // namespace karvelo::testing
