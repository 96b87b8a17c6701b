// karvelo-cli opening files from disk: a list of files up to the next option or the
// command; a refusal of the load is all that is printed.
#include "cli/run_cli.h"
#include "fakes/sine_recording.h"
#include "fakes/temp_file.h"

namespace karvelo::testing {
namespace {

// Three one-channel recordings of 400 samples at 10 us: a 5 kHz sine.
std::vector<std::string> WriteLine() {
    std::vector<std::string> paths;
    for (int k = 1; k <= 3; ++k) {
        const std::string path = TempFile("cli-P-" + std::to_string(k) + ".txt");
        WriteSineRecording(path, {});
        paths.push_back(path);
    }
    return paths;
}

TEST(CliFiles, FilesOpenUpToTheNextOptionOrTheCommand) {
    const std::vector<std::string> files = WriteLine();
    const std::string list = files[2] + " " + files[0] + " " + files[1];
    for (const std::string& args :
         {"--files " + list + " info", "--files " + list + " --channels 1 info",
          "info --files " + list}) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.status, 0) << args << r.err;
        EXPECT_EQ(r.out,
                  "TraceCount 3\nSampleInterval 10\nSamplesPerTrace 400\nSampleFormat 1\n"
                  "SampleMax 1\nSampleMin -1\nTracesPerPoint 1\nPointCount 3\n")
            << args;
    }
}

// The refusals themselves are the loader's; the command line prints only the refusal,
// both lines of it for a file.
TEST(CliFiles, ALoadRefusalIsAllThatIsPrinted) {
    const std::string file = WriteLine()[0];
    for (const auto& [args, message] :
         {std::pair<std::string, std::string>{"--hits 3 info", "Invalid number of hits.\n"},
          {"--hits 25 info", "Please enter an integer between 1 and 20.\n"},
          {"--hits x info", "Please enter an integer between 1 and 20.\n"},
          {"--files " + file + " --channels 2 info",
           "Cannot read file.\n" + file +
               ": the files have one channel, so there is no channel 2\n"}}) {
        const auto r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_EQ(r.err, message) << args;
    }
}

}  // namespace
}  // namespace karvelo::testing
