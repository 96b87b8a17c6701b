// karvelo-cli info and dump-image: the loaded profile's header values and image, from
// the built-in profile, its saved SEG-Y file or a list of files.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "cli/run_cli.h"
#include "fakes/sine_recording.h"
#include "fakes/temp_file.h"
#include "profile/builtin_profiles.h"

namespace karvelo::testing {
namespace {

TEST(CliInfo, DefaultOpenAndItsSavedSegyPrintTheSameBlock) {
    const std::string block =
        "TraceCount 20\nSampleInterval 31\nSamplesPerTrace 2048\nSampleFormat 2\n"
        "SampleMax 2612950\nSampleMin -1662730\nTracesPerPoint 2\nPointCount 10\n";
    const auto r = RunCli("info");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, block);
    EXPECT_EQ(r.err, "");
    // Same header values and samples; the samples are now IEEE floats (format 1).
    const std::string segy = TempFile("cli-saved.sgy");
    ASSERT_EQ(RunCli("save-segy " + segy).status, 0);
    const auto saved = RunCli("--files " + segy + " info");
    EXPECT_EQ(saved.status, 0) << saved.err;
    std::string expected = block;
    EXPECT_EQ(saved.out, expected.replace(expected.find("SampleFormat 2"), 14, "SampleFormat 1"));
}

// --files takes every argument up to the next option or the command.
TEST(CliFiles, FilesOpenUpToTheNextOptionOrTheCommand) {
    // Three one-channel recordings of 400 samples at 10 us.
    std::string list;
    for (const char* name : {"cli-P-1.txt", "cli-P-2.txt", "cli-P-3.txt"}) {
        WriteSineRecording(TempFile(name), {});
        list += TempFile(name) + " ";
    }
    for (const std::string& args :
         {"--files " + list + "info", "--files " + list + "--channels 1 info",
          "info --files " + list}) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.status, 0) << args << r.err;
        EXPECT_EQ(r.out,
                  "TraceCount 3\nSampleInterval 10\nSamplesPerTrace 400\nSampleFormat 1\n"
                  "SampleMax 1\nSampleMin -1\nTracesPerPoint 1\nPointCount 3\n")
            << args;
    }
}

TEST(CliDumpImage, WritesTheLoadedImageOrReportsTheFile) {
    const std::string path = TempFile("dump.bin");
    ASSERT_EQ(RunCli("--channels 2 dump-image " + path).status, 0);
    const std::string bytes = ReadWholeFile(path);
    ASSERT_EQ(bytes.size(), 8435600u);
    // Record 0 of the one-channel image is source record 1 (channel 2 of the first hit).
    EXPECT_EQ(std::memcmp(bytes.data() + 3840, kBuiltInProfile1Samples[1], 2048 * 4), 0);
    const auto r = RunCli("dump-image /nonexistent-dir/x.bin");
    EXPECT_NE(r.status, 0);
    EXPECT_EQ(
        r.err,
        "Cannot open or create file.Error code = 11\n"
        "/nonexistent-dir/x.bin: the image file could not be written: No such file or directory\n");
}

}  // namespace
}  // namespace karvelo::testing
