// karvelo-cli opening files from disk: a list of files up to the next option or the
// command, refusals exit 2 with both message lines.
#include <cmath>
#include <cstdio>

#include "cli/run_cli.h"
#include "fakes/temp_file.h"

namespace karvelo::testing {
namespace {

// Three one-channel recordings of 400 samples at 10 us: a 5 kHz sine.
std::vector<std::string> WriteLine() {
    std::vector<std::string> paths;
    for (int k = 1; k <= 3; ++k) {
        const std::string path = TempFile("cli-P-" + std::to_string(k) + ".txt");
        FILE* out = std::fopen(path.c_str(), "w");
        for (int s = 0; s < 400; ++s) {
            const double t = (s + 1) * 10e-6;
            std::fprintf(out, "%.6E\t%.6E\n", t, std::sin(2 * 3.14159265358979 * 5000 * t));
        }
        std::fclose(out);
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
    // Microseconds whatever the sample count: the 5 kHz peak, not 5 mHz.
    const auto r = RunCli("--files " + list + " report --mode single --fmin 2000 --fmax 20000");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\n0 5000 1 "), std::string::npos) << r.out;
}

// The refusals themselves are the loader's; the command line shows both lines of one.
TEST(CliFiles, ARefusalPrintsBothLinesAndExits2) {
    const std::vector<std::string> files = WriteLine();
    const auto r = RunCli("--files " + files[0] + " --channels 2 info");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Cannot read file.\n" + files[0] +
                         ": the files have one channel, so there is no channel 2\n");
}

}  // namespace
}  // namespace karvelo::testing
