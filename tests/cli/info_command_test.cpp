#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "cli/run_cli.h"
#include "fakes/temp_file.h"
#include "profile/builtin_profiles.h"

namespace karvelo {
namespace {

using testing::RunCli;

TEST(CliInfo, DefaultOpenPrintsTheWholeBlock) {
    const auto r = RunCli("info");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "TraceCount 20\nSampleInterval 31\nSamplesPerTrace 2048\nSampleFormat 2\n"
              "SampleMax 2612950\nSampleMin -1662730\nTracesPerPoint 2\nPointCount 10\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliInfo, LoadOptionsChangeTheGrouping) {
    auto r = RunCli("--channels 1 --hits 2 info");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("TraceCount 10\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("TracesPerPoint 2\nPointCount 5\n"), std::string::npos) << r.out;

    r = RunCli("info --hits 10");
    EXPECT_NE(r.out.find("TracesPerPoint 20\nPointCount 1\n"), std::string::npos) << r.out;

    r = RunCli("--profile 2 info");
    EXPECT_NE(r.out.find("TraceCount 2\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("SampleMax 523553\nSampleMin -365562\n"), std::string::npos) << r.out;
}

TEST(CliInfo, RefusedHitsPrintOnlyTheRefusal) {
    struct Case {
        const char* args;
        const char* message;
    };
    const Case cases[] = {
        {"--hits 3 info", "Invalid number of hits.\n"},
        {"--profile 2 --hits 2 info", "Invalid number of hits.\n"},
        {"--hits 25 info", "Please enter an integer between 1 and 20.\n"},
        {"--hits 0 info", "Please enter an integer between 1 and 20.\n"},
        {"--hits x info", "Please enter an integer between 1 and 20.\n"},
    };
    for (const Case& c : cases) {
        const auto r = RunCli(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_EQ(r.err, c.message) << c.args;
    }
}

TEST(CliInfo, BadCommandLinesGetOneUsageLine) {
    for (const char* args : {"", "frobnicate", "--channels 3 info", "--nope info", "info extra",
                             "dump-image", "--hits"}) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        ASSERT_FALSE(r.err.empty()) << args;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << args << ": " << r.err;
    }
}

TEST(CliInfo, HelpListsTheOptions) {
    const auto r = RunCli("--help");
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"--profile", "--channels", "--hits", "info", "dump-image"}) {
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
    }
}

TEST(CliDumpImage, WritesTheLoadedImage) {
    const std::string path = testing::TempFile("dump.bin");
    const auto r = RunCli("--channels 2 dump-image " + path);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string bytes = testing::ReadWholeFile(path);
    ASSERT_EQ(bytes.size(), 8435600u);
    std::uint16_t traceCount;
    std::memcpy(&traceCount, bytes.data() + 3212, 2);
    EXPECT_EQ(traceCount, 10);
    // Record 0 of the one-channel image is source record 1 (channel 2 of the first hit).
    EXPECT_EQ(std::memcmp(bytes.data() + 3840, kBuiltInProfile1Samples[1], 2048 * 4), 0);
}

TEST(CliDumpImage, UnwritableFileIsReported) {
    const auto r = RunCli("dump-image /nonexistent-dir/x.bin");
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(r.err,
              "Cannot open or create file.Error code = 11\n"
              "/nonexistent-dir/x.bin: the image file could not be written\n");
}

}  // namespace
}  // namespace karvelo
