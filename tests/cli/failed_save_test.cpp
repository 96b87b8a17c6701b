// Every file karvelo-cli writes, written when the disk refuses the data: the run fails
// with a message, the file that was there before is left as it was and no temporary
// file is left beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/run_cli.h"
#include "fakes/temp_file.h"

namespace karvelo {
namespace {

using testing::ReadWholeFile;
using testing::RunCli;

std::string Repeated(const std::string& option, int count, int x0, int dx, int y) {
    std::string args;
    for (int k = 0; k < count; ++k) {
        args += " --" + option + " " + std::to_string(x0 + k * dx) + "," + std::to_string(y);
    }
    return args;
}

// One block of the shell's ulimit (512 or 1024 bytes) is less than any of the files; /dev/full
// takes nothing. Each failure names the file and the system's reason.
TEST(FailedSave, OldFileSurvivesAWriteBeyondTheFileSizeLimitOrToAFullDevice) {
    const std::filesystem::path folder = testing::TempFile("size-limit");
    std::filesystem::create_directories(folder);
    const std::string target = (folder / "old.out").string();
    std::ofstream(target) << "old content\n";
    const std::string saveError = "Cannot open or create file.Error code = 11";
    const std::string writeError = "error: cannot write";
    const struct {
        std::string args;     // the command line before the output file
        std::string message;  // what the failure prints (either stream)
    } kinds[] = {
        {"analyse --mode single --spectrum", saveError},
        // 80 presses: enough quality values and picks for a few kB
        {"analyse --mode product --quality" + Repeated("click", 80, 432, 0, 400) +
             " --save-quality",
         saveError},
        {"analyse --mode profile" + Repeated("pick", 80, 300, 5, 450) + " --pick-ok --save-picks",
         saveError},
        {"correlate 0 0 1 1 --full-range --values", writeError},
        {"correlate 0 0 1 1 --full-range --png", writeError},
        {"analyse --png", writeError},
        {"report --mode product --velocity 3780 --csv", writeError},
        {"report --mode product --velocity 3780 --pdf", writeError},
        {"save-segy", saveError},
        {"dump-image", saveError},
    };
    for (const auto& kind : kinds) {
        SCOPED_TRACE(kind.args);
        const auto r = RunCli(kind.args + " " + target, "trap '' XFSZ; ulimit -f 1;");
        EXPECT_EQ(r.status, 1) << r.out << r.err;
        EXPECT_NE((r.out + r.err).find(kind.message), std::string::npos) << r.out << r.err;
        EXPECT_NE((r.out + r.err).find(target), std::string::npos) << r.out << r.err;
        EXPECT_NE((r.out + r.err).find(": File too large"), std::string::npos) << r.out << r.err;
        EXPECT_EQ(ReadWholeFile(target), "old content\n");
        const std::filesystem::directory_iterator entries(folder);
        EXPECT_EQ(std::distance(begin(entries), end(entries)), 1);  // no temporary file left

        const auto full = RunCli(kind.args + " /dev/full");
        EXPECT_EQ(full.status, 1) << full.out << full.err;
        EXPECT_NE((full.out + full.err).find("/dev/full"), std::string::npos);
        EXPECT_NE((full.out + full.err).find(": No space left on device"), std::string::npos)
            << full.out << full.err;
    }
    std::filesystem::remove_all(folder);
}

// With SIGXFSZ at its default, the limit would stop the program without a word: it ignores
// the signal itself.
TEST(FailedSave, FileSizeLimitIsReportedWithTheSignalAtItsDefault) {
    const std::string target = testing::TempFile("size-limit-default.pdf");
    const auto r = RunCli("report --mode product --velocity 3780 --pdf " + target, "ulimit -f 1;");
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    EXPECT_NE(r.out.find("error: cannot write " + target + ": File too large"), std::string::npos)
        << r.out << r.err;
    EXPECT_FALSE(std::filesystem::exists(target));
}

}  // namespace
}  // namespace karvelo
