// Every file karvelo-cli writes, written when the disk refuses the data: the run fails
// with a message, the file that was there before is left as it was and no temporary
// file is left beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "fakes/temp_file.h"

namespace karvelo {
namespace {

using testing::ReadWholeFile;
using testing::RunCli;

constexpr const char* kOldContent = "old content\n";
constexpr int kRepeatedPresses = 80;  // enough quality values and picks for a few kB

struct FileKind {
    const char* what;
    std::string args;     // the command line before the output file
    std::string message;  // what the failure prints (either stream)
};

std::string Repeated(const std::string& option, int count, int x0, int dx, int y) {
    std::string args;
    for (int k = 0; k < count; ++k) {
        args += " --" + option + " " + std::to_string(x0 + k * dx) + "," + std::to_string(y);
    }
    return args;
}

std::vector<FileKind> FileKinds() {
    const std::string saveError = "Cannot open or create file.Error code = 11";
    return {
        {"spectrum", "analyse --mode single --spectrum", saveError},
        {"quality values",
         "analyse --mode product --quality" + Repeated("click", kRepeatedPresses, 432, 0, 400) +
             " --save-quality",
         saveError},
        {"picks",
         "analyse --mode profile" + Repeated("pick", kRepeatedPresses, 300, 5, 450) +
             " --pick-ok --save-picks",
         saveError},
        {"correlation values", "correlate 0 0 1 1 --full-range --values", "error: cannot write"},
        {"correlation picture", "correlate 0 0 1 1 --full-range --png", "error: cannot write"},
        {"surface picture", "analyse --png", "error: cannot write"},
        {"SEG-Y file", "save-segy", saveError},
        {"image file", "dump-image", saveError},
    };
}

// Runs every file kind with prefix before the program (a shell command that limits it),
// each writing over the old file in folder.
void ExpectOldFileSurvives(const std::filesystem::path& folder, const std::string& prefix) {
    const std::string target = (folder / "old.out").string();
    ASSERT_EQ(ReadWholeFile(target), kOldContent);
    const auto countEntries = [&folder] {
        const std::filesystem::directory_iterator entries(folder);
        return std::distance(begin(entries), end(entries));
    };
    const auto entries = countEntries();
    for (const FileKind& kind : FileKinds()) {
        SCOPED_TRACE(kind.what);
        const auto r = RunCli(kind.args + " " + target, prefix);
        EXPECT_EQ(r.status, 1) << r.out << r.err;
        EXPECT_NE((r.out + r.err).find(kind.message), std::string::npos) << r.out << r.err;
        EXPECT_EQ(ReadWholeFile(target), kOldContent);
        EXPECT_EQ(countEntries(), entries);
    }
}

TEST(FailedSave, OldFileSurvivesAWriteBeyondTheFileSizeLimit) {
    const std::filesystem::path folder = testing::TempFile("size-limit");
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "old.out") << kOldContent;
    // One block of the shell's ulimit (512 or 1024 bytes) is less than any of the files.
    ExpectOldFileSurvives(folder, "trap '' XFSZ; ulimit -f 1;");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace karvelo
