// karvelo-cli reports every output it could not deliver and every load it refused: exit
// status and message.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/run_cli.h"
#include "fakes/sine_recording.h"
#include "fakes/temp_file.h"

namespace karvelo {
namespace {

using testing::RunCli;

TEST(CliExitStatus, RefusedOutputsOptionsAndValues) {
    const std::string file = testing::TempFile("exit-status.txt");
    const std::string recording = testing::TempFile("exit-status-hit.txt");
    testing::WriteSineRecording(recording, {});
    constexpr int kDone = 0;
    constexpr int kFailed = 1;
    constexpr int kUsage = 2;
    struct Case {
        std::string args;
        int status;
        std::string out;  // a line standard output must hold ("" when none)
        std::string err;  // the start of standard error ("" when empty)
        bool fileWritten;
    };
    const std::string noSpectrum = "error: the spectrum export is not available after this run";
    const Case cases[] = {
        {"analyse --png /dev/full", kFailed,
         "error: cannot write /dev/full: No space left on device", "", false},
        {"report >/dev/full", kFailed, "", "karvelo-cli: cannot write standard output", false},
        {"--help >/dev/full", kFailed, "", "karvelo-cli: cannot write standard output", false},
        {"correlate 0 0 10 0 --tmax 100", kFailed, "error: Invalid value entered.", "", false},
        {"analyse --fmin 2000 --fmax 1000", kFailed,
         "error: Invalid value entered.\nband 2000 1000", "", false},
        {"analyse --mode profile --spectrum " + file, kFailed, noSpectrum, "", false},
        {"analyse --fmin 2000 --fmax 1000 --spectrum " + file, kFailed, noSpectrum, "", false},
        {"analyse --mode average --spectrum " + file, kDone, "band 0 3000", "", true},
        {"analyse --fmin 100 --fmin 200", kUsage, "", "karvelo-cli: option --fmin is given", false},
        {"analyse --fmin ' 100'", kUsage, "", "karvelo-cli: --fmin needs an integer", false},
        {"analyse --velocity '3780 '", kUsage, "", "karvelo-cli: --velocity needs a number", false},
        {"analyse --thickness 1e36 --click 432,400", kFailed, "error: Invalid value entered.", "",
         false},
        {"analyse --thickness 1e39", kUsage, "", "karvelo-cli: --thickness needs a number", false},
        {"analyse --mode profile --pick 400,450 --pick-ok --pick 500,460 --pick-ok", kDone,
         "band 0 3000", "", false},
        // The refusals themselves are the loader's; a refusal is all that is printed, both
        // lines of it for a file.
        {"--hits 3 info", kUsage, "", "Invalid number of hits.\n", false},
        {"--hits 25 info", kUsage, "", "Please enter an integer between 1 and 20.\n", false},
        {"--hits x info", kUsage, "", "Please enter an integer between 1 and 20.\n", false},
        {"--files " + recording + " --channels 2 info", kUsage, "",
         "Cannot read file.\n" + recording +
             ": the files have one channel, so there is no channel 2\n",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        std::filesystem::remove(file);
        const auto r = RunCli(c.args);
        EXPECT_EQ(r.status, c.status) << r.out << r.err;
        if (c.out.empty()) {
            EXPECT_EQ(r.out, "");
        } else {
            EXPECT_NE(r.out.find(c.out + "\n"), std::string::npos) << r.out;
        }
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << r.err;
        if (c.err.empty()) {
            EXPECT_EQ(r.err, "");
        }
        EXPECT_EQ(std::filesystem::exists(file), c.fileWritten);
    }
}

}  // namespace
}  // namespace karvelo
